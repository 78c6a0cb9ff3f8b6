object Form6: TForm6
  BorderStyle = bsSingle
  Caption = '设置选项'
  ClientWidth = 440
  ClientHeight = 320
  OnCreate = FormCreate
end
