Attribute VB_Name = "modPick"
' Routines shared by the command's class and form: start-up, form placement
' and clean-up.
Option Explicit

Private Type RECT
    Left As Long
    Top As Long
    Right As Long
    Bottom As Long
End Type

Private Declare Function GetWindowRect Lib "user32" (ByVal hWnd As Long, lpRect As RECT) As Long

' True once Main has set the command's DLL up.
Public g_Started As Boolean

' Runs once, when Carthex creates the first object of the command's DLL: put
' the set-up that every instance of the command shares here.
Public Sub Main()
    If g_Started Then Exit Sub
    g_Started = True
End Sub

' Places a form in the middle of the screen.
Public Sub CenterOnScreen(ByVal Frm As Object)
    Frm.Move (Screen.Width - Frm.Width) \ 2, (Screen.Height - Frm.Height) \ 2
End Sub

' Places a form in the middle of the Carthex application window; in the
' middle of the screen when the window cannot be found.
Public Sub CenterOnApplication(ByVal Frm As Object, ByVal Application As Object)
    Dim R As RECT
    Dim AppWindow As Long
    Dim X As Long
    Dim Y As Long

    On Error Resume Next
    AppWindow = Application.hWnd
    On Error GoTo 0
    If AppWindow = 0 Or GetWindowRect(AppWindow, R) = 0 Then
        CenterOnScreen Frm
        Exit Sub
    End If
    X = ((R.Left + R.Right) \ 2) * Screen.TwipsPerPixelX - Frm.Width \ 2
    Y = ((R.Top + R.Bottom) \ 2) * Screen.TwipsPerPixelY - Frm.Height \ 2
    If X < 0 Then X = 0
    If Y < 0 Then Y = 0
    If X + Frm.Width > Screen.Width Then X = Screen.Width - Frm.Width
    If Y + Frm.Height > Screen.Height Then Y = Screen.Height - Frm.Height
    Frm.Move X, Y
End Sub

' Unloads every form of the command that is still loaded.
Public Sub UnloadCommandForms()
    Dim i As Integer
    For i = Forms.Count - 1 To 0 Step -1
        Unload Forms(i)
    Next i
End Sub
