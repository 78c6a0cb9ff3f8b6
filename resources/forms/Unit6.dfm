object Form6: TForm6
  Left = 0
  Top = 0
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
  object bsSkinPanel2: TbsSkinPanel
    SkinData = Form1.bsSkinData1
    SkinDataName = 'panel'
    Left = 39
    Top = 36
    Width = 625
    Height = 109
    BorderStyle = bvFrame
    TabOrder = 0
    object bsSkinTextLabel5: TbsSkinTextLabel
      SkinData = Form1.bsSkinData1
      SkinDataName = 'stdlabel'
      Left = 17
      Top = 48
      Width = 60
      Height = 13
      Lines.Strings = (
        '输出格式：')
    end
    object bsSkinOfficeComboBox2: TbsSkinOfficeComboBox
      SkinData = Form1.bsSkinData1
      SkinDataName = 'combobox'
      Left = 83
      Top = 33
      Width = 126
      Height = 51
      TabOrder = 0
      ListBoxSkinDataName = 'resizetoolpanel'
      Images = ImageList1
      ListBoxWidth = 119
      ListBoxItemHeight = 50
      ListBoxShowItemTitles = False
      ListBoxShowLines = False
      UseSkinFont = False
      DefaultFont.Name = '宋体'
      DefaultFont.Height = -12
      DropDownCount = 4
      ToolButtonStyle = True
      Items = <
        item
          Header = False
          Enabled = True
          Caption = '常用视频'
          ImageIndex = 0
        end
        item
          Header = False
          Enabled = True
          Caption = '常用音频'
          ImageIndex = 1
        end
        item
          Header = False
          Enabled = True
          Caption = 'HD视频'
          ImageIndex = 2
        end
        item
          Header = False
          Enabled = True
          Caption = 'iPod视频'
          ImageIndex = 3
        end
        item
          Header = False
          Enabled = True
          Caption = 'iPhone视频'
          ImageIndex = 4
        end
        item
          Header = False
          Enabled = True
          Caption = 'PSP视频'
          ImageIndex = 5
        end
        item
          Header = False
          Enabled = True
          Caption = '3GP视频'
          ImageIndex = 6
        end
        item
          Header = False
          Enabled = True
          Caption = 'APPLE视频'
          ImageIndex = 7
        end
        item
          Header = False
          Enabled = True
          Caption = 'XboX视频'
          ImageIndex = 8
        end
        item
          Header = False
          Enabled = True
          Caption = 'PMP视频'
          ImageIndex = 9
        end
        item
          Header = False
          Enabled = True
          Caption = 'MP4视频'
          ImageIndex = 10
        end
        item
          Header = False
          Enabled = True
          Caption = 'Flash视频'
          ImageIndex = 11
        end>
      ItemIndex = 0
      OnChange = bsSkinOfficeComboBox2Change
    end
    object bsSkinOfficeComboBox1: TbsSkinOfficeComboBox
      SkinData = Form1.bsSkinData1
      SkinDataName = 'combobox'
      Left = 215
      Top = 33
      Width = 400
      Height = 51
      TabOrder = 1
      ListBoxSkinDataName = 'listbox'
      ListBoxItemHeight = 60
      ListBoxHeaderHeight = 20
      ListBoxShowItemTitles = True
      ListBoxShowLines = True
      AlphaBlend = False
      AlphaBlendValue = 200
      AlphaBlendAnimation = True
      DefaultFont.Name = '宋体'
      DefaultFont.Height = -12
      DropDownCount = 4
      ToolButtonStyle = True
      Items = <
        item
          Title = 'dfdfs'
          Caption = 'fddf'
        end>
      ItemIndex = 0
      OnClick = bsSkinOfficeComboBox1Click
    end
    object bsSkinButton1: TbsSkinButton
      SkinDataName = 'resizebutton'
      Left = 621
      Top = 139
      Width = 55
      Height = 51
      Caption = '设置'
      Visible = False
      TabOrder = 2
    end
  end
  object Panel1: TPanel
    Left = 690
    Top = 161
    Width = 305
    Height = 305
    Caption = 'Panel1'
    TabOrder = 1
    object Image1: TImage
      Left = 46
      Top = 158
      Width = 171
      Height = 103
    end
    object Button6: TButton
      Left = 32
      Top = 47
      Width = 75
      Height = 25
      Caption = '初始化数据'
      TabOrder = 0
      OnClick = Button6Click
    end
    object Button5: TButton
      Left = 113
      Top = 47
      Width = 126
      Height = 25
      Caption = '根据combox添加数据'
      TabOrder = 1
      OnClick = Button5Click
    end
    object Button7: TButton
      Left = 230
      Top = 47
      Width = 75
      Height = 25
      Caption = '确认oo数据'
      TabOrder = 2
    end
    object Button2: TButton
      Left = 32
      Top = 78
      Width = 104
      Height = 25
      Caption = '添加combox'
      TabOrder = 3
      OnClick = Button2Click
    end
    object Button13: TButton
      Left = 32
      Top = 109
      Width = 113
      Height = 25
      Caption = '确认预置选项数据'
      TabOrder = 4
      OnClick = Button13Click
    end
    object Button11: TButton
      Left = 151
      Top = 78
      Width = 95
      Height = 25
      Caption = 'onchange用'
      TabOrder = 5
    end
    object Button18: TButton
      Left = 42
      Top = 163
      Width = 143
      Height = 25
      Caption = '根据combox添加预设选项'
      TabOrder = 6
      OnClick = Button18Click
    end
  end
  object bsSkinPageControl1: TbsSkinPageControl
    SkinData = Form1.bsSkinData1
    SkinDataName = 'tab'
    Left = 39
    Top = 171
    Width = 625
    Height = 222
    ActivePage = bsSkinTabSheet1
    DefaultFont.Name = 'Arial'
    DefaultFont.Height = 14
    TabSpacing = 1
    DefaultItemHeight = 20
    TabOrder = 2
    object bsSkinTabSheet1: TbsSkinTabSheet
      Caption = '标准参数设置'
      object bsSkinTextLabel3: TbsSkinTextLabel
        SkinData = Form1.bsSkinData1
        SkinDataName = 'stdlabel'
        Left = 19
        Top = 24
        Width = 72
        Height = 16
        DefaultFont.Name = 'Arial'
        DefaultFont.Height = 14
        Lines.Strings = (
          '视频分辨率：')
      end
      object bsSkinComboBox1: TbsSkinComboBox
        SkinData = Form1.bsSkinData1
        SkinDataName = 'combobox'
        Left = 16
        Top = 43
        Width = 289
        Height = 20
        TabOrder = 0
        DefaultFont.Name = 'Arial'
        DefaultFont.Height = 14
        DropDownCount = 8
        AutoComplete = True
        ItemIndex = -1
      end
      object bsSkinTextLabel2: TbsSkinTextLabel
        SkinData = Form1.bsSkinData1
        SkinDataName = 'stdlabel'
        Left = 342
        Top = 24
        Width = 72
        Height = 16
        DefaultFont.Name = 'Arial'
        DefaultFont.Height = 14
        Lines.Strings = (
          '视频比特率：')
      end
      object bsSkinTextLabel6: TbsSkinTextLabel
        SkinData = Form1.bsSkinData1
        SkinDataName = 'stdlabel'
        Left = 16
        Top = 69
        Width = 60
        Height = 16
        DefaultFont.Name = 'Arial'
        DefaultFont.Height = 14
        Lines.Strings = (
          '视频帧率：')
      end
      object bsSkinComboBox2: TbsSkinComboBox
        SkinData = Form1.bsSkinData1
        SkinDataName = 'combobox'
        Left = 342
        Top = 43
        Width = 251
        Height = 20
        TabOrder = 1
        DefaultFont.Name = 'Arial'
        DefaultFont.Height = 14
        DropDownCount = 8
        AutoComplete = True
        ItemIndex = -1
      end
      object bsSkinComboBox9: TbsSkinComboBox
        SkinData = Form1.bsSkinData1
        SkinDataName = 'combobox'
        Left = 14
        Top = 88
        Width = 291
        Height = 20
        TabOrder = 2
        DefaultFont.Name = 'Arial'
        DefaultFont.Height = 14
        DropDownCount = 8
        AutoComplete = True
        ItemIndex = -1
      end
      object bsSkinTextLabel4: TbsSkinTextLabel
        SkinData = Form1.bsSkinData1
        SkinDataName = 'stdlabel'
        Left = 342
        Top = 69
        Width = 60
        Height = 16
        DefaultFont.Name = 'Arial'
        DefaultFont.Height = 14
        Lines.Strings = (
          '视频缩放：')
      end
      object bsSkinTextLabel7: TbsSkinTextLabel
        SkinData = Form1.bsSkinData1
        SkinDataName = 'stdlabel'
        Left = 16
        Top = 114
        Width = 72
        Height = 16
        DefaultFont.Name = 'Arial'
        DefaultFont.Height = 14
        Lines.Strings = (
          '音频比特率：')
      end
      object bsSkinComboBox3: TbsSkinComboBox
        SkinData = Form1.bsSkinData1
        SkinDataName = 'combobox'
        Left = 16
        Top = 133
        Width = 289
        Height = 20
        TabOrder = 3
        DefaultFont.Name = 'Arial'
        DefaultFont.Height = 14
        DropDownCount = 8
        AutoComplete = True
        ItemIndex = -1
      end
      object bsSkinComboBox10: TbsSkinComboBox
        SkinData = Form1.bsSkinData1
        SkinDataName = 'combobox'
        Left = 342
        Top = 133
        Width = 251
        Height = 20
        TabOrder = 4
        DefaultFont.Name = 'Arial'
        DefaultFont.Height = 14
        DropDownCount = 8
        AutoComplete = True
        ItemIndex = -1
      end
      object bsSkinTextLabel9: TbsSkinTextLabel
        SkinData = Form1.bsSkinData1
        SkinDataName = 'stdlabel'
        Left = 342
        Top = 114
        Width = 72
        Height = 16
        DefaultFont.Name = 'Arial'
        DefaultFont.Height = 14
        Lines.Strings = (
          '音频采样率：')
      end
      object bsSkinComboBox4: TbsSkinComboBox
        SkinData = Form1.bsSkinData1
        SkinDataName = 'combobox'
        Left = 342
        Top = 88
        Width = 251
        Height = 20
        TabOrder = 5
        DefaultFont.Name = 'Arial'
        DefaultFont.Height = 14
        DropDownCount = 8
        AutoComplete = True
        ItemIndex = -1
      end
    end
    object bsSkinTabSheet2: TbsSkinTabSheet
      Caption = '剪辑设置'
    end
    object 滤镜设置: TbsSkinTabSheet
      Caption = '滤镜设置'
    end
    object bsSkinTabSheet3: TbsSkinTabSheet
      Caption = '文字水印'
    end
  end
  object bsSkinButton2: TbsSkinButton
    SkinData = Form1.bsSkinData1
    SkinDataName = 'button'
    Left = 480
    Top = 416
    Width = 69
    Height = 25
    Caption = '确定'
    UseSkinFont = False
    Spacing = 10
    TabOrder = 3
    OnClick = bsSkinButton2Click
  end
  object bsSkinButton3: TbsSkinButton
    SkinData = Form1.bsSkinData1
    SkinDataName = 'button'
    Left = 594
    Top = 416
    Width = 69
    Height = 25
    Caption = '取消'
    UseSkinFont = False
    Spacing = 10
    TabOrder = 4
    OnClick = bsSkinButton3Click
  end
  object FFTasks: TFFmpegTasks
  end
  object ImageList1: TImageList
    Width = 32
    Height = 32
  end
  object ImageList2: TImageList
    Width = 32
    Height = 32
  end
  object bsSkinForm1: TbsSkinForm
    SkinData = Form1.bsSkinData1
    BorderIcons = [biSystemMenu, biMinimize, biMaximize, biRollUp]
    ShowIcon = False
    Magnetic = False
    MagneticSize = 5
    AlphaBlend = False
    MenusAlphaBlend = False
    ClientWidth = 958
    ClientHeight = 474
  end
end
