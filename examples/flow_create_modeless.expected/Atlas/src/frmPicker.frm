VERSION 5.00
Object = "{68AFE4F4-7356-4E8C-98AA-8895B9936682}#1.0#0"; "CarthexEvents.ocx"
Begin VB.Form frmPicker
   BorderStyle     =   3  'Fixed Dialog
   Caption         =   "Pick features"
   ClientHeight    =   3000
   ClientLeft      =   45
   ClientTop       =   330
   ClientWidth     =   4500
   MaxButton       =   0   'False
   MinButton       =   0   'False
   ScaleHeight     =   3000
   ScaleWidth      =   4500
   ShowInTaskbar   =   0   'False
   StartUpPosition =   0  'Manual
   Begin CarthexEventsLib.MapViewEvents EventControl
      Left            =   120
      Top             =   2400
      _ExtentX        =   847
      _ExtentY        =   847
      _Version        =   65536
   End
   Begin VB.CommandButton cmdClose
      Cancel          =   -1  'True
      Caption         =   "Close"
      Height          =   375
      Left            =   3240
      TabIndex        =   0
      Top             =   2520
      Width           =   1095
   End
End
Attribute VB_Name = "frmPicker"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
' The command's window.  Its event control receives the events of the map
' views the command listens to.
Option Explicit

Private Sub cmdClose_Click()
    Unload Me
End Sub

' A map view the command listens to changed its extent or its content.
Private Sub EventControl_MapViewChanged(ByVal MapView As Object)
    ' React to the change of MapView here.
End Sub
