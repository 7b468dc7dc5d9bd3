VERSION 5.00
Begin VB.Form frmStd_Logon 
   BorderStyle     =   3  'Fixed Dialog
   Caption         =   "Logon"
   ClientHeight    =   1980
   ClientLeft      =   45
   ClientTop       =   330
   ClientWidth     =   4500
   ControlBox      =   0   'False
   LinkTopic       =   "Form1"
   MaxButton       =   0   'False
   MinButton       =   0   'False
   ScaleHeight     =   1980
   ScaleWidth      =   4500
   ShowInTaskbar   =   0   'False
   StartUpPosition =   2  'CenterScreen
   Begin VB.CommandButton cmdOK 
      Caption         =   "OK"
      Default         =   -1  'True
      Height          =   350
      Left            =   1702
      TabIndex        =   4
      Top             =   1380
      Width           =   1095
   End
   Begin VB.TextBox txtPassword 
      Height          =   350
      Left            =   1500
      PasswordChar    =   "*"
      TabIndex        =   3
      Top             =   750
      Width           =   2700
   End
   Begin VB.TextBox txtUser 
      Height          =   350
      Left            =   1500
      TabIndex        =   1
      Top             =   300
      Width           =   2700
   End
   Begin VB.Label lblPassword 
      Alignment       =   1  'Right Justify
      Caption         =   "Password:"
      Height          =   350
      Left            =   300
      TabIndex        =   2
      Top             =   750
      Width           =   1050
   End
   Begin VB.Label lblUser 
      Alignment       =   1  'Right Justify
      Caption         =   "User ID:"
      Height          =   350
      Left            =   300
      TabIndex        =   0
      Top             =   300
      Width           =   1050
   End
End
Attribute VB_Name = "frmStd_Logon"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
