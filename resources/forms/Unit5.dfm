object Form5: TForm5
  BorderStyle = bsSingle
  BorderIcons = []
  Caption = '选项'
  ClientWidth = 528
  ClientHeight = 471
  Position = poMainFormCenter
  OnCreate = FormCreate
  object GroupBox1: TbsSkinGroupBox
    SkinData = Form1.bsSkinData1
    Left = 12
    Top = 12
    Width = 246
    Height = 200
    Caption = '转换工作完成后'
    TabOrder = 0
    object bsSkinCheckRadioBox1: TbsSkinCheckRadioBox
      SkinData = Form1.bsSkinData2
      SkinDataName = 'radiobox'
      Left = 16
      Top = 32
      Width = 220
      Height = 20
      Caption = '自动打开输出文件夹'
      Radio = True
      GroupIndex = 1
      Checked = True
    end
    object bsSkinCheckRadioBox2: TbsSkinCheckRadioBox
      SkinData = Form1.bsSkinData2
      SkinDataName = 'radiobox'
      Left = 16
      Top = 68
      Width = 220
      Height = 20
      Caption = '自动关闭计算机'
      Radio = True
      GroupIndex = 1
    end
    object bsSkinCheckRadioBox4: TbsSkinCheckRadioBox
      SkinData = Form1.bsSkinData2
      SkinDataName = 'radiobox'
      Left = 16
      Top = 104
      Width = 220
      Height = 20
      Caption = ' 播放提示音乐'
      Radio = True
      GroupIndex = 1
    end
    object bsSkinCheckRadioBox5: TbsSkinCheckRadioBox
      SkinData = Form1.bsSkinData2
      SkinDataName = 'radiobox'
      Left = 16
      Top = 140
      Width = 220
      Height = 20
      Caption = '不进行任何操作'
      Radio = True
      GroupIndex = 1
    end
  end
  object GroupBox2: TbsSkinGroupBox
    SkinData = Form1.bsSkinData1
    Left = 12
    Top = 222
    Width = 246
    Height = 200
    Caption = '转换时CPU利用方式'
    TabOrder = 1
    object bsSkinCheckRadioBox9: TbsSkinCheckRadioBox
      SkinData = Form1.bsSkinData2
      SkinDataName = 'radiobox'
      Left = 16
      Top = 32
      Width = 220
      Height = 20
      Caption = '系统空闲时进行'
      Radio = True
      GroupIndex = 1
    end
    object bsSkinCheckRadioBox10: TbsSkinCheckRadioBox
      SkinData = Form1.bsSkinData2
      SkinDataName = 'radiobox'
      Left = 16
      Top = 68
      Width = 220
      Height = 20
      Caption = '最低优先级进行'
      Radio = True
      GroupIndex = 1
    end
    object bsSkinCheckRadioBox11: TbsSkinCheckRadioBox
      SkinData = Form1.bsSkinData2
      SkinDataName = 'radiobox'
      Left = 16
      Top = 104
      Width = 220
      Height = 20
      Caption = '较低优先级进行'
      Radio = True
      GroupIndex = 1
    end
    object bsSkinCheckRadioBox12: TbsSkinCheckRadioBox
      SkinData = Form1.bsSkinData2
      SkinDataName = 'radiobox'
      Left = 16
      Top = 140
      Width = 220
      Height = 20
      Caption = '正常优先级进行'
      Radio = True
      GroupIndex = 1
      Checked = True
    end
  end
  object GroupBox3: TbsSkinGroupBox
    SkinData = Form1.bsSkinData1
    Left = 270
    Top = 12
    Width = 246
    Height = 200
    Caption = '如果输出文件存在时'
    TabOrder = 2
    object bsSkinCheckRadioBox3: TbsSkinCheckRadioBox
      SkinData = Form1.bsSkinData2
      SkinDataName = 'radiobox'
      Left = 16
      Top = 32
      Width = 220
      Height = 20
      Caption = '直接覆盖输出文件'
      Radio = True
      GroupIndex = 1
    end
    object bsSkinCheckRadioBox6: TbsSkinCheckRadioBox
      SkinData = Form1.bsSkinData2
      SkinDataName = 'radiobox'
      Left = 16
      Top = 68
      Width = 220
      Height = 20
      Caption = '自动重命名输出文件'
      Radio = True
      GroupIndex = 1
      Checked = True
    end
  end
  object GroupBox4: TbsSkinGroupBox
    SkinData = Form1.bsSkinData1
    Left = 270
    Top = 222
    Width = 246
    Height = 200
    Caption = '转换参数'
    TabOrder = 3
    object bsSkinStdLabel1: TbsSkinStdLabel
      SkinData = Form1.bsSkinData1
      Left = 16
      Top = 32
      Caption = '同时进行转换的文件个数'
    end
    object bsSkinComboBox2: TbsSkinComboBox
      SkinData = Form1.bsSkinData1
      Left = 16
      Top = 56
      Width = 100
      Height = 24
      TabOrder = 0
      Items.Strings = (
        '1'
        '2'
        '3'
        '4'
        '5'
        '6'
        '7'
        '8'
        '9'
        '10'
        '11'
        '12'
        '13'
        '14'
        '15'
        '16'
        '17'
        '18'
        '19')
      ItemIndex = 0
    end
    object bsSkinCheckRadioBox7: TbsSkinCheckRadioBox
      SkinData = Form1.bsSkinData1
      Left = 16
      Top = 96
      Width = 220
      Height = 20
      Caption = '启用多线程模式   （同时进行转换的视频个数）'
      Visible = False
      Checked = True
      OnClick = bsSkinCheckRadioBox7Click
    end
    object bsSkinCheckRadioBox8: TbsSkinCheckRadioBox
      SkinData = Form1.bsSkinData1
      Left = 16
      Top = 132
      Width = 220
      Height = 20
      Caption = '转换时进行实时视频预览'
      OnClick = bsSkinCheckRadioBox8Click
    end
  end
  object bsSkinButton6: TbsSkinButton
    SkinData = Form1.bsSkinData1
    Left = 352
    Top = 436
    Width = 75
    Height = 25
    Caption = '确定'
    TabOrder = 4
    OnClick = bsSkinButton6Click
  end
  object bsSkinButton1: TbsSkinButton
    SkinData = Form1.bsSkinData1
    Left = 437
    Top = 436
    Width = 75
    Height = 25
    Caption = '取消'
    TabOrder = 5
    OnClick = bsSkinButton1Click
  end
  object Panel1: TPanel
    Left = 600
    Top = 8
    Width = 100
    Height = 80
    TabOrder = 6
    object Button1: TButton
      Left = 8
      Top = 8
      Width = 80
      Height = 25
      Caption = '读取ini'
      OnClick = Button1Click
    end
    object Button2: TButton
      Left = 8
      Top = 40
      Width = 80
      Height = 25
      Caption = '写ini'
      OnClick = Button2Click
    end
  end
  object bsSkinForm1: TbsSkinForm
    SkinData = Form1.bsSkinData1
    BorderIcons = []
    ClientWidth = 528
    ClientHeight = 471
  end
  object bsSkinMessage1: TbsSkinMessage
    SkinData = Form1.bsSkinData1
    CtrlSkinData = Form1.bsSkinData1
  end
end
