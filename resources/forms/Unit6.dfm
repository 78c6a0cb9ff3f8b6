object Form6: TForm6
  BorderStyle = bsSingle
  BorderIcons = []
  Caption = '设置选项'
  ClientWidth = 958
  ClientHeight = 474
  Color = clBtnFace
  Font.Name = 'Tahoma'
  Font.Height = -11
  Position = poMainFormCenter
  OnCreate = FormCreate
end
