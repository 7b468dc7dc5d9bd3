#pragma once
// Shared by the IDE tests that read and write files: a hand-written form template and whole-file reads
// and writes.

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

namespace vbide {

// A form template as a developer writes it: LF line ends, comments after values, every block kind.
inline constexpr const char* kTemplate = R"(VERSION 5.00
Object = "{6B7E6392-850A-101B-AFC0-4210102A8DA7}#1.3#0"; "COMCTL32.OCX"
Begin VB.Form frmStd_List 
   Caption         =   "List"
   ClientHeight    =   4620
   StartUpPosition =   3  'Windows Default
   BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
      Name            =   "MS Sans Serif"
      Size            =   8.25
   EndProperty
   Begin ComctlLib.Toolbar tlbToolBar 
      Align           =   1  'Align Top
      Height          =   420
      BeginProperty Buttons {0713E452-850A-101B-AFC0-4210102A8DA7} 
         NumButtons      =   2
         BeginProperty Button1 {0713F354-850A-101B-AFC0-4210102A8DA7} 
            Key             =   "New"
         EndProperty
         BeginProperty Button2 {0713F354-850A-101B-AFC0-4210102A8DA7} 
            Key             =   "Delete"
         EndProperty
      EndProperty
   End
   Begin VB.Frame fraOuter 
      Caption         =   "Say ""when"""
      Height          =   2000
      Begin VB.Frame fraInner 
         Caption         =   "Inner"
         Begin VB.OptionButton optKind 
            Caption         =   "A"
            Index           =   0
            Value           =   -1  'True
         End
         Begin VB.OptionButton optKind 
            Caption         =   "B"
            Index           =   1
         End
      End
   End
   Begin VB.Image imgLogo 
      Picture         =   "frmStd_List.frx":0000
   End
   Begin VB.Menu mnuFile 
      Caption         =   "&File"
      Begin VB.Menu mnuFileItem 
         Caption         =   "&New"
         Index           =   0
         Shortcut        =   ^N
      End
      Begin VB.Menu mnuFileItem 
         Caption         =   "E&xit"
         Index           =   1
      End
   End
End
Attribute VB_Name = "frmStd_List"
Attribute VB_GlobalNameSpace = False
Attribute VB_PredeclaredId = True
Option Explicit

Private Sub mnuFileItem_Click(Index As Integer)
End Sub
)";

inline std::string ReadBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteBytes(const std::filesystem::path& file, std::string_view bytes) {
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << bytes;
}

}  // namespace vbide
