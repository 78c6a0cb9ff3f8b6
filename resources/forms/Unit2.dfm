object Form2: TForm2
  BorderStyle = bsSingle
  BorderIcons = []
  Caption = '关于软件'
  ClientWidth = 406
  ClientHeight = 281
  Position = poMainFormCenter
  object bsSkinStdLabel1: TbsSkinStdLabel
    SkinData = Form1.bsSkinData1
    Left = 120
    Top = 32
    Caption = '苇川VOB视频格式转换器'
    Font.Height = -16
    Font.Style = [fsBold]
  end
  object bsSkinStdLabel2: TbsSkinStdLabel
    SkinData = Form1.bsSkinData1
    Left = 120
    Top = 64
    Caption = 'Ver:10.0.0.0'
  end
  object Image1: TImage
    Left = 24
    Top = 24
    Width = 80
    Height = 80
    Transparent = True
  end
  object bsSkinStdLabel3: TbsSkinStdLabel
    SkinData = Form1.bsSkinData1
    Left = 24
    Top = 136
    Caption = '官方网站：'
  end
  object bsSkinLinkLabel1: TbsSkinLinkLabel
    SkinData = Form1.bsSkinData1
    Left = 104
    Top = 136
    Caption = 'https://vobconv.example.org/'
    URL = 'https://vobconv.example.org/'
  end
  object bsSkinStdLabel4: TbsSkinStdLabel
    SkinData = Form1.bsSkinData1
    Left = 24
    Top = 168
    Caption = 'E-MAIL：'
  end
  object bsSkinLinkLabel2: TbsSkinLinkLabel
    SkinData = Form1.bsSkinData1
    Left = 104
    Top = 168
    Caption = 'support@vobconv.example.org'
    URL = 'mailto:support@vobconv.example.org'
  end
  object bsSkinButton1: TbsSkinButton
    SkinData = Form1.bsSkinData1
    Left = 316
    Top = 244
    Width = 75
    Height = 25
    Caption = '确定'
    TabOrder = 0
    OnClick = bsSkinButton1Click
  end
  object bsSkinForm1: TbsSkinForm
    SkinData = Form1.bsSkinData1
    BorderIcons = [biRollUp]
    PositionInMonitor = bspDesktopCenter
    ClientWidth = 406
    ClientHeight = 281
    ShowIcon = True
    AlphaBlendValue = 0
    MenusAlphaBlendValue = 0
    Magnetic = True
    MagneticSize = 10
  end
end
