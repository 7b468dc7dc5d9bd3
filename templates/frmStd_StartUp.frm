VERSION 5.00
Begin VB.Form frmStd_StartUp 
   Caption         =   "StartUp"
   ClientHeight    =   7800
   ClientLeft      =   60
   ClientTop       =   345
   ClientWidth     =   4200
   LinkTopic       =   "Form1"
   ScaleHeight     =   7800
   ScaleWidth      =   4200
   StartUpPosition =   2  'CenterScreen
End
Attribute VB_Name = "frmStd_StartUp"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
