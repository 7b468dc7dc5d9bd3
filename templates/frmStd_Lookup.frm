VERSION 5.00
Begin VB.Form frmStd_Lookup 
   Caption         =   "Look-Up"
   ClientHeight    =   5500
   ClientLeft      =   60
   ClientTop       =   630
   ClientWidth     =   8400
   LinkTopic       =   "Form1"
   ScaleHeight     =   5500
   ScaleWidth      =   8400
   StartUpPosition =   2  'CenterScreen
   Begin VB.Menu mnuFile 
      Caption         =   "&File"
      Begin VB.Menu mnuFileExit 
         Caption         =   "E&xit"
      End
   End
End
Attribute VB_Name = "frmStd_Lookup"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
