object Form1: TForm1
  BorderStyle = bsSingle
  BorderIcons = []
  Caption = '苇川VOB视频格式转换器'
  ClientWidth = 802
  ClientHeight = 541
  Position = poDesktopCenter
  KeyPreview = True
  OnCreate = FormCreate
  OnCloseQuery = FormCloseQuery
  object bsSkinMainMenuBar1: TbsSkinMainMenuBar
    SkinData = bsSkinData1
    SkinDataName = 'mainmenubar'
    ScrollMenu = True
    DefaultHeight = 22
    Align = alTop
    Height = 22
    TabOrder = 0
    SkinForm = bsSkinForm1
    MainMenu = bsSkinMainMenu1
  end
  object bsSkinToolBar2: TbsSkinToolBar
    SkinData = bsSkinData1
    Align = alTop
    Height = 59
    TabOrder = 1
    object bsSkinMenuSpeedButton1: TbsSkinMenuSpeedButton
      SkinData = bsSkinData1
      Left = 8
      Top = 4
      Width = 52
      Height = 50
      Caption = '添加'
      SkinPopupMenu = bsSkinPopupMenu1
    end
    object bsSkinButton7: TbsSkinButton
      SkinData = bsSkinData2
      Left = 64
      Top = 4
      Width = 52
      Height = 50
      Caption = '删除'
      Enabled = False
      OnClick = bsSkinButton7Click
    end
    object bsSkinButton8: TbsSkinButton
      SkinData = bsSkinData2
      Left = 120
      Top = 4
      Width = 52
      Height = 50
      Caption = '清空'
      Enabled = False
      OnClick = bsSkinButton8Click
    end
    object Divider1: TbsSkinBevel
      SkinData = bsSkinData1
      Left = 180
      Top = 8
      Width = 2
      Height = 42
      Shape = bsLeftLine
    end
    object bsSkinButton2: TbsSkinButton
      SkinData = bsSkinData2
      Left = 188
      Top = 4
      Width = 52
      Height = 50
      Caption = '开始'
      Enabled = False
      OnClick = bsSkinButton2Click
    end
    object bsSkinButton10: TbsSkinButton
      SkinData = bsSkinData2
      Left = 244
      Top = 4
      Width = 52
      Height = 50
      Caption = '停止'
      Enabled = False
      OnClick = bsSkinButton10Click
    end
    object bsSkinButton12: TbsSkinButton
      SkinData = bsSkinData2
      Left = 300
      Top = 4
      Width = 52
      Height = 50
      Caption = '继续'
      Enabled = False
      Visible = False
      OnClick = bsSkinButton12Click
    end
    object bsSkinButton11: TbsSkinButton
      SkinData = bsSkinData2
      Left = 300
      Top = 4
      Width = 52
      Height = 50
      Caption = '暂停'
      Enabled = False
      OnClick = bsSkinButton11Click
    end
    object Divider2: TbsSkinBevel
      SkinData = bsSkinData1
      Left = 360
      Top = 8
      Width = 2
      Height = 42
      Shape = bsLeftLine
    end
    object bsSkinButton19: TbsSkinButton
      SkinData = bsSkinData2
      Left = 368
      Top = 4
      Width = 52
      Height = 50
      Caption = '选项'
      OnClick = bsSkinButton19Click
    end
  end
  object Panel1: TPanel
    Left = 1181
    Top = 8
    Width = 430
    Height = 370
    TabOrder = 2
    object Button15: TButton
      Left = 8
      Top = 8
      Width = 130
      Height = 25
      Caption = '初始化数值'
      OnClick = Button15Click
    end
    object Button17: TButton
      Left = 148
      Top = 8
      Width = 130
      Height = 25
      Caption = '读ini文件'
      OnClick = Button17Click
    end
    object Button16: TButton
      Left = 288
      Top = 8
      Width = 130
      Height = 25
      Caption = '写ini文件'
      OnClick = Button16Click
    end
    object Button21: TButton
      Left = 8
      Top = 38
      Width = 130
      Height = 25
      Caption = 'OpenDialog1'
      OnClick = Button21Click
    end
    object Button3: TButton
      Left = 148
      Top = 38
      Width = 130
      Height = 25
      Caption = '读入皮肤ini'
      OnClick = Button3Click
    end
    object Button4: TButton
      Left = 288
      Top = 38
      Width = 130
      Height = 25
      Caption = '写入皮肤ini'
      OnClick = Button4Click
    end
    object Button2: TButton
      Left = 8
      Top = 68
      Width = 130
      Height = 25
      Caption = '添加combox'
      OnClick = Button2Click
    end
    object Button18: TButton
      Left = 148
      Top = 68
      Width = 130
      Height = 25
      Caption = '根据combox添加预设选项'
      OnClick = Button18Click
    end
    object Button6: TButton
      Left = 288
      Top = 68
      Width = 130
      Height = 25
      Caption = '初始化数据'
      OnClick = Button6Click
    end
    object Button5: TButton
      Left = 8
      Top = 98
      Width = 130
      Height = 25
      Caption = '根据combox添加数据'
      OnClick = Button5Click
    end
    object Button13: TButton
      Left = 148
      Top = 98
      Width = 130
      Height = 25
      Caption = '确认预置选项数据'
      OnClick = Button13Click
    end
    object Button7: TButton
      Left = 288
      Top = 98
      Width = 130
      Height = 25
      Caption = '确认oo数据'
      OnClick = Button7Click
    end
    object btnAdd: TButton
      Left = 8
      Top = 128
      Width = 130
      Height = 25
      Caption = 'Open添加一个文件'
      OnClick = btnAddClick
    end
    object Button8: TButton
      Left = 148
      Top = 128
      Width = 130
      Height = 25
      Caption = '打开多个文件'
      OnClick = Button8Click
    end
    object Button12: TButton
      Left = 288
      Top = 128
      Width = 130
      Height = 25
      Caption = '添加整个目录'
      OnClick = Button12Click
    end
    object btnRemove: TButton
      Left = 8
      Top = 158
      Width = 130
      Height = 25
      Caption = 'Remove'
      Enabled = False
      OnClick = btnRemoveClick
    end
    object btnClear: TButton
      Left = 148
      Top = 158
      Width = 130
      Height = 25
      Caption = 'Clear'
      Enabled = False
      OnClick = btnClearClick
    end
    object Button14: TButton
      Left = 288
      Top = 158
      Width = 130
      Height = 25
      Caption = 'Button14'
      OnClick = Button14Click
    end
    object btnStart: TButton
      Left = 8
      Top = 188
      Width = 130
      Height = 25
      Caption = 'Start'
      Enabled = False
      OnClick = btnStartClick
    end
    object btnStop: TButton
      Left = 148
      Top = 188
      Width = 130
      Height = 25
      Caption = 'Stop'
      Enabled = False
      OnClick = btnStopClick
    end
    object btnPause: TButton
      Left = 288
      Top = 188
      Width = 130
      Height = 25
      Caption = 'Pause'
      Enabled = False
      OnClick = btnPauseClick
    end
    object btnResume: TButton
      Left = 8
      Top = 218
      Width = 130
      Height = 25
      Caption = 'Resume'
      Enabled = False
      OnClick = btnResumeClick
    end
    object button28: TButton
      Left = 148
      Top = 218
      Width = 130
      Height = 25
      Caption = '新添加'
      OnClick = button28Click
    end
    object Button22: TButton
      Left = 288
      Top = 218
      Width = 130
      Height = 25
      Caption = '工作中设置为不能'
      OnClick = Button22Click
    end
    object Button23: TButton
      Left = 8
      Top = 248
      Width = 130
      Height = 25
      Caption = '工作完成设置为能'
      OnClick = Button23Click
    end
    object Button24: TButton
      Left = 148
      Top = 248
      Width = 130
      Height = 25
      Caption = '刷新皮肤'
      OnClick = Button24Click
    end
    object Button20: TButton
      Left = 288
      Top = 248
      Width = 130
      Height = 25
      Caption = '转换后打开文件夹'
      OnClick = Button20Click
    end
    object Button25: TButton
      Left = 8
      Top = 278
      Width = 130
      Height = 25
      Caption = '关机'
      OnClick = Button25Click
    end
    object Button29: TButton
      Left = 148
      Top = 278
      Width = 130
      Height = 25
      Caption = ' 播放提示音'
      OnClick = Button29Click
    end
    object Button31: TButton
      Left = 288
      Top = 278
      Width = 130
      Height = 25
      Caption = '打开播放视频'
      OnClick = Button31Click
    end
    object btnCapture: TButton
      Left = 8
      Top = 308
      Width = 130
      Height = 25
      Caption = 'Capture'
      OnClick = btnCaptureClick
    end
    object Button1: TButton
      Left = 148
      Top = 308
      Width = 130
      Height = 25
      Caption = 'help'
      OnClick = Button1Click
    end
    object Button26: TButton
      Left = 288
      Top = 308
      Width = 130
      Height = 25
      Caption = 'Button26'
      OnClick = Button26Click
    end
    object Button9: TButton
      Left = 8
      Top = 338
      Width = 130
      Height = 25
      Caption = '播放视频'
    end
    object Button11: TButton
      Left = 148
      Top = 338
      Width = 130
      Height = 25
      Caption = 'Button11'
    end
  end
  object bsSkinPanel1: TbsSkinPanel
    SkinData = bsSkinData1
    Left = 8
    Top = 87
    Width = 558
    Height = 260
    TabOrder = 3
    OnClick = bsSkinPanel1Click
    object lvFiles: TbsSkinListView
      HScrollBar = bsSkinScrollBar1
      SkinData = bsSkinData1
      Left = 7
      Top = 10
      Width = 521
      Height = 202
      ViewStyle = vsReport
      GridLines = True
      RowSelect = True
      ReadOnly = True
      TabOrder = 0
      OnSelectItem = lvFilesSelectItem
      OnClick = lvFilesClick
      OnDblClick = lvFilesDblClick
      Columns = <
        item
          Caption = '输入文件'
          Width = 80
        end
        item
          Caption = '视频时间'
          Width = 70
        end
        item
          Caption = '文件大小'
          Width = 70
        end
        item
          Caption = '输出文件'
          Width = 80
        end
        item
          Caption = '转换进度'
          Width = 70
        end
        item
          Caption = ''
          Width = 0
          MaxWidth = 1
        end
        item
          Caption = '当前时间'
          Width = 80
        end
        item
          Caption = '转换大小'
          Width = 80
        end
        item
          Caption = '视频序号'
          Width = 0
          MaxWidth = 1
        end
        item
          Caption = '视频类别'
          Width = 0
          MaxWidth = 1
        end
        item
          Caption = '视频选项'
          Width = 0
          MaxWidth = 1
        end
        item
          Caption = '视频编码'
          Width = 0
          MaxWidth = 1
        end
        item
          Caption = '音频编码'
          Width = 0
          MaxWidth = 1
        end
        item
          Caption = '声音频道'
          Width = 0
          MaxWidth = 1
        end
        item
          Caption = 'VideoTag'
          Width = 0
          MaxWidth = 1
        end
        item
          Caption = 'FileExt'
          Width = 0
          MaxWidth = 1
        end
        item
          Caption = '视频分辨率'
          Width = 0
          MaxWidth = 1
        end
        item
          Caption = '视频比特率'
          Width = 0
          MaxWidth = 1
        end
        item
          Caption = '视频帧率'
          Width = 0
          MaxWidth = 1
        end
        item
          Caption = '音频比特率'
          Width = 0
          MaxWidth = 1
        end
        item
          Caption = '音频采样率'
          Width = 0
          MaxWidth = 1
        end
        item
          Caption = '视频缩放'
          Width = 0
          MaxWidth = 1
        end
        item
          Caption = '视频能否'
          Width = 0
          MaxWidth = 1
        end
        item
          Caption = 'TargetType'
          Width = 0
          MaxWidth = 1
        end
        item
          Caption = 'NormType'
          Width = 0
          MaxWidth = 1
        end>
    end
    object bsSkinScrollBar1: TbsSkinScrollBar
      Left = 7
      Top = 212
      Width = 521
      Height = 16
      SkinData = bsSkinData1
      SkinDataName = 'hscrollbar'
    end
    object bsSkinButton4: TbsSkinButton
      SkinData = bsSkinData1
      Left = 7
      Top = 231
      Width = 60
      Height = 26
      Caption = '下移'
      Hint = '下移'
      ShowHint = True
      Enabled = False
      OnClick = bsSkinButton4Click
    end
    object bsSkinButton3: TbsSkinButton
      SkinData = bsSkinData1
      Left = 71
      Top = 231
      Width = 60
      Height = 26
      Caption = '上移'
      Hint = '上移'
      ShowHint = True
      Enabled = False
      OnClick = bsSkinButton3Click
    end
    object bsSkinButton21: TbsSkinButton
      SkinData = bsSkinData1
      Left = 135
      Top = 231
      Width = 60
      Height = 26
      Caption = '重命名'
      Hint = '重命名'
      ShowHint = True
      Enabled = False
      OnClick = bsSkinButton21Click
    end
  end
  object bsSkinPanel2: TbsSkinPanel
    SkinData = bsSkinData1
    Left = 11
    Top = 359
    Width = 558
    Height = 163
    TabOrder = 4
    object bsSkinStdLabel2: TbsSkinStdLabel
      SkinData = bsSkinData1
      Left = 16
      Top = 22
      Caption = '输出格式：'
    end
    object bsSkinOfficeComboBox2: TbsSkinOfficeComboBox
      SkinData = bsSkinData1
      Left = 92
      Top = 8
      Width = 150
      Height = 40
      TabOrder = 0
      ToolButtonStyle = True
      Images = bsPngImageList5
      ListBoxWidth = 119
      ListBoxItemHeight = 50
      ListBoxShowItemTitles = False
      DropDownCount = 4
      Items = <
        item
          Caption = 'VOB视频'
          ImageIndex = 20
        end
        item
          Caption = '常用视频'
          ImageIndex = 0
        end
        item
          Caption = 'HD视频'
          ImageIndex = 2
        end
        item
          Caption = 'iPhone视频'
          ImageIndex = 4
        end
        item
          Caption = '智能电视'
          ImageIndex = 26
        end
        item
          Caption = 'MP4视频'
          ImageIndex = 10
        end
        item
          Caption = 'MPG视频'
          ImageIndex = 13
        end
        item
          Caption = 'MKV视频'
          ImageIndex = 16
        end
        item
          Caption = 'WMV视频'
          ImageIndex = 17
        end
        item
          Caption = 'ASF视频'
          ImageIndex = 18
        end
        item
          Caption = 'iPad视频'
          ImageIndex = 12
        end
        item
          Caption = 'Flash视频'
          ImageIndex = 11
        end
        item
          Caption = '常用音频'
          ImageIndex = 1
        end>
      ItemIndex = 0
      OnChange = bsSkinOfficeComboBox2Change
    end
    object bsSkinOfficeComboBox1: TbsSkinOfficeComboBox
      SkinData = bsSkinData1
      Left = 250
      Top = 8
      Width = 290
      Height = 40
      TabOrder = 1
      ToolButtonStyle = True
      Images = bsPngImageList3
      ListBoxItemHeight = 60
      ListBoxShowItemTitles = True
      DropDownCount = 4
      OnChange = bsSkinOfficeComboBox1Change
    end
    object bsSkinStdLabel3: TbsSkinStdLabel
      SkinData = bsSkinData1
      Left = 16
      Top = 74
      Caption = '输出目录：'
    end
    object Video_OutPut_Folder_Edit: TbsSkinEdit
      SkinData = bsSkinData1
      Left = 92
      Top = 70
      Width = 448
      Height = 21
      TabOrder = 2
      ReadOnly = True
      OnClick = Video_OutPut_Folder_EditClick
    end
    object bsSkinButton1: TbsSkinButton
      SkinData = bsSkinData1
      Left = 300
      Top = 102
      Width = 75
      Height = 25
      Caption = '设置'
      Visible = False
      OnClick = bsSkinButton1Click
    end
    object bsSkinButton5: TbsSkinButton
      SkinData = bsSkinData1
      Left = 385
      Top = 102
      Width = 75
      Height = 25
      Caption = '浏览...'
      OnClick = bsSkinButton5Click
    end
    object bsSkinButton6: TbsSkinButton
      SkinData = bsSkinData1
      Left = 465
      Top = 102
      Width = 75
      Height = 25
      Caption = '打开'
      OnClick = bsSkinButton6Click
    end
  end
  object bsSkinPanel3: TbsSkinPanel
    SkinDataName = 'groupbox'
    CaptionMode = True
    SkinData = bsSkinData1
    Left = 572
    Top = 296
    Width = 219
    Height = 226
    Caption = '视频预览'
    TabOrder = 5
    object bsSkinSlider1: TbsSkinSlider
      SkinData = bsSkinData1
      Left = 8
      Top = 152
      Width = 202
      Height = 26
      OnMouseDown = bsSkinSlider1MouseDown
      OnMouseUp = bsSkinSlider1MouseUp
      OnChange = bsSkinSlider1Change
    end
    object bsSkinButton13: TbsSkinButton
      SkinData = bsSkinData1
      Left = 8
      Top = 184
      Width = 32
      Height = 26
      Caption = '播放'
      Hint = '播放'
      ShowHint = True
      OnClick = bsSkinButton13Click
    end
    object bsSkinButton14: TbsSkinButton
      SkinData = bsSkinData1
      Left = 42
      Top = 184
      Width = 32
      Height = 26
      Caption = '暂停'
      Hint = '暂停'
      ShowHint = True
      OnClick = bsSkinButton14Click
    end
    object bsSkinButton15: TbsSkinButton
      SkinData = bsSkinData1
      Left = 76
      Top = 184
      Width = 32
      Height = 26
      Caption = '停止'
      Hint = '停止'
      ShowHint = True
      OnClick = bsSkinButton15Click
    end
    object bsSkinButton16: TbsSkinButton
      SkinData = bsSkinData1
      Left = 110
      Top = 184
      Width = 32
      Height = 26
      Caption = '静音'
      Hint = '静音'
      ShowHint = True
      OnClick = bsSkinButton16Click
    end
    object bsSkinButton22: TbsSkinButton
      SkinData = bsSkinData1
      Left = 144
      Top = 184
      Width = 32
      Height = 26
      Caption = '快照'
      Hint = '快照'
      ShowHint = True
      OnClick = bsSkinButton22Click
    end
    object bsSkinButton23: TbsSkinButton
      SkinData = bsSkinData1
      Left = 178
      Top = 184
      Width = 32
      Height = 26
      Caption = '设置'
      Hint = '设置'
      ShowHint = True
      OnMouseDown = bsSkinButton23MouseDown
      OnClick = bsSkinButton23Click
    end
    object bsSkinButton20: TbsSkinButton
      SkinData = bsSkinData1
      Left = 110
      Top = 184
      Width = 32
      Height = 26
      Caption = '静音'
      Hint = '静音'
      ShowHint = True
      Visible = False
      OnClick = bsSkinButton20Click
    end
  end
  object Panel3: TPanel
    Left = 1181
    Top = 390
    Width = 200
    Height = 150
    TabOrder = 6
    object chkThreadMode: TCheckBox
      Left = 8
      Top = 8
      Width = 150
      Height = 17
      Caption = 'Thread Mode'
      Checked = True
    end
    object chkPreview: TCheckBox
      Left = 8
      Top = 32
      Width = 150
      Height = 17
      Caption = 'Preview'
      OnClick = chkPreviewClick
    end
    object ProgressBar1: TProgressBar
      Left = 8
      Top = 56
      Width = 150
      Height = 16
    end
    object ListBox1: TListBox
      Left = 8
      Top = 80
      Width = 150
      Height = 60
      TabOrder = 2
    end
  end
  object bsSkinPanel5: TbsSkinPanel
    SkinData = bsSkinData1
    Left = 8
    Top = 86
    Width = 558
    Height = 262
    TabOrder = 7
    object Image1: TImage
      Align = alClient
      Center = True
    end
  end
  object bsSkinPanel4: TbsSkinPanel
    SkinDataName = 'groupbox'
    CaptionMode = True
    SkinData = bsSkinData1
    Left = 572
    Top = 87
    Width = 219
    Height = 206
    Caption = '预置选项'
    TabOrder = 8
    object bsSkinStdLabel10: TbsSkinStdLabel
      SkinData = bsSkinData1
      Left = 8
      Top = 34
      Caption = '视频分辨率：'
    end
    object bsSkinComboBox1: TbsSkinComboBox
      SkinData = bsSkinData2
      Left = 92
      Top = 30
      Width = 118
      Height = 24
      TabOrder = 0
      ItemIndex = -1
      OnChange = bsSkinComboBox1Change
    end
    object bsSkinStdLabel11: TbsSkinStdLabel
      SkinData = bsSkinData1
      Left = 8
      Top = 63
      Caption = '视频比特率：'
    end
    object bsSkinComboBox2: TbsSkinComboBox
      SkinData = bsSkinData2
      Left = 92
      Top = 59
      Width = 118
      Height = 24
      TabOrder = 1
      ItemIndex = -1
      OnChange = bsSkinComboBox2Change
    end
    object bsSkinStdLabel12: TbsSkinStdLabel
      SkinData = bsSkinData1
      Left = 8
      Top = 92
      Caption = '视频帧率：'
    end
    object bsSkinComboBox9: TbsSkinComboBox
      SkinData = bsSkinData2
      Left = 92
      Top = 88
      Width = 118
      Height = 24
      TabOrder = 2
      ItemIndex = -1
      OnChange = bsSkinComboBox9Change
    end
    object bsSkinStdLabel13: TbsSkinStdLabel
      SkinData = bsSkinData1
      Left = 8
      Top = 121
      Caption = '音频比特率：'
    end
    object bsSkinComboBox3: TbsSkinComboBox
      SkinData = bsSkinData2
      Left = 92
      Top = 117
      Width = 118
      Height = 24
      TabOrder = 3
      ItemIndex = -1
      OnChange = bsSkinComboBox3Change
    end
    object bsSkinStdLabel14: TbsSkinStdLabel
      SkinData = bsSkinData1
      Left = 8
      Top = 150
      Caption = '音频采样率：'
    end
    object bsSkinComboBox10: TbsSkinComboBox
      SkinData = bsSkinData2
      Left = 92
      Top = 146
      Width = 118
      Height = 24
      TabOrder = 4
      ItemIndex = -1
      OnChange = bsSkinComboBox10Change
    end
    object bsSkinStdLabel15: TbsSkinStdLabel
      SkinData = bsSkinData1
      Left = 8
      Top = 179
      Caption = '视频缩放：'
    end
    object bsSkinComboBox4: TbsSkinComboBox
      SkinData = bsSkinData2
      Left = 92
      Top = 175
      Width = 118
      Height = 24
      TabOrder = 5
      ItemIndex = -1
      OnChange = bsSkinComboBox4Change
    end
  end
  object Button19: TButton
    Left = 1181
    Top = 1010
    Width = 75
    Height = 25
    Caption = 'Button19'
    TabOrder = 9
  end
  object Button27: TButton
    Left = 1261
    Top = 1010
    Width = 75
    Height = 25
    Caption = 'Button27'
    TabOrder = 10
    Enabled = False
    OnClick = Button27Click
  end
  object edt: TEdit
    Left = 873
    Top = 87
    Width = 76
    Height = 14
    BorderStyle = bsNone
    Visible = False
    TabOrder = 11
    OnExit = edtExit
  end
  object Panel4: TPanel
    Left = 1181
    Top = 550
    Width = 360
    Height = 80
    TabOrder = 12
    object bsSkinButton9: TbsSkinButton
      SkinData = bsSkinData1
      Left = 8
      Top = 8
      Width = 75
      Height = 25
      Caption = '皮肤'
      OnClick = bsSkinButton9Click
    end
    object Image4: TImage
      Left = 90
      Top = 4
      Width = 32
      Height = 32
    end
    object Image5: TImage
      Left = 126
      Top = 4
      Width = 32
      Height = 32
    end
    object Image6: TImage
      Left = 162
      Top = 4
      Width = 32
      Height = 32
    end
    object Image7: TImage
      Left = 198
      Top = 4
      Width = 32
      Height = 32
    end
    object Image8: TImage
      Left = 234
      Top = 4
      Width = 32
      Height = 32
    end
    object Image9: TImage
      Left = 270
      Top = 4
      Width = 32
      Height = 32
    end
    object Image10: TImage
      Left = 306
      Top = 4
      Width = 32
      Height = 32
    end
    object Image11: TImage
      Left = 90
      Top = 40
      Width = 32
      Height = 32
    end
    object Image12: TImage
      Left = 126
      Top = 40
      Width = 32
      Height = 32
    end
    object Image13: TImage
      Left = 162
      Top = 40
      Width = 32
      Height = 32
    end
    object Image14: TImage
      Left = 198
      Top = 40
      Width = 32
      Height = 32
    end
    object Image15: TImage
      Left = 234
      Top = 40
      Width = 32
      Height = 32
    end
    object Image16: TImage
      Left = 270
      Top = 40
      Width = 32
      Height = 32
    end
    object Image17: TImage
      Left = 306
      Top = 40
      Width = 32
      Height = 32
    end
  end
  object Panel5: TPanel
    Left = 1181
    Top = 640
    Width = 300
    Height = 360
    TabOrder = 13
    object chkOpenPaused: TCheckBox
      Left = 8
      Top = 8
      Width = 120
      Height = 17
      Caption = 'Open Paused'
      Checked = True
    end
    object chkStayOnTop: TCheckBox
      Left = 8
      Top = 32
      Width = 120
      Height = 17
      Caption = 'Stay On Top'
    end
    object chkHook: TCheckBox
      Left = 8
      Top = 56
      Width = 120
      Height = 17
      Caption = 'Enable Hook'
    end
    object mmoLog: TMemo
      Left = 8
      Top = 80
      Width = 280
      Height = 120
      ScrollBars = ssBoth
      TabOrder = 0
    end
    object cboScreens: TComboBox
      Left = 140
      Top = 8
      Width = 145
      Height = 21
      Style = csDropDownList
      TabOrder = 1
    end
    object cboVideoDriver: TComboBox
      Left = 140
      Top = 32
      Width = 145
      Height = 21
      Style = csDropDownList
      TabOrder = 2
      Items.Strings = (
        'Default'
        'DDraw'
        'GDI')
      ItemIndex = 0
    end
    object cboAudioDriver: TComboBox
      Left = 140
      Top = 56
      Width = 145
      Height = 21
      Style = csDropDownList
      TabOrder = 3
      Items.Strings = (
        'Default'
        'DSound'
        'waveOut')
      ItemIndex = 0
    end
    object TrackBar2: TTrackBar
      Left = 8
      Top = 210
      Width = 150
      Height = 30
      Max = 128
      Position = 128
      TabOrder = 4
      OnChange = TrackBar2Change
    end
    object TrackBar1: TTrackBar
      Left = 8
      Top = 244
      Width = 150
      Height = 30
      TabOrder = 5
      OnChange = TrackBar1Change
    end
    object cboVideo: TComboBox
      Left = 8
      Top = 280
      Width = 145
      Height = 21
      Style = csDropDownList
      Enabled = False
      TabOrder = 6
    end
    object cboAudio: TComboBox
      Left = 8
      Top = 304
      Width = 145
      Height = 21
      Style = csDropDownList
      Enabled = False
      TabOrder = 7
    end
    object cboSubtitle: TComboBox
      Left = 8
      Top = 328
      Width = 145
      Height = 21
      Style = csDropDownList
      Enabled = False
      TabOrder = 8
    end
    object Label2: TLabel
      Left = 170
      Top = 214
      Caption = 'N/A'
    end
    object Label3: TLabel
      Left = 170
      Top = 248
      Caption = 'N/A'
    end
  end
  object Panel6: TPanel
    Left = 581
    Top = 323
    Width = 200
    Height = 124
    BevelOuter = bvNone
    Color = clBtnText
    TabOrder = 14
  end
  object bsSkinMainMenu1: TbsSkinMainMenu
    SkinData = bsSkinData1
    object N1: TMenuItem
      Caption = '文件'
      object Item111: TMenuItem
        Caption = '添加一个文件'
        OnClick = btnAddClick
      end
      object Item121: TMenuItem
        Caption = '添加多个文件'
        OnClick = Button8Click
      end
      object N21: TMenuItem
        Caption = '添加整个目录'
        OnClick = N21Click
      end
      object N3: TMenuItem
        Caption = '-'
      end
      object N4: TMenuItem
        Caption = '退出'
        OnClick = N4Click
      end
    end
    object N2: TMenuItem
      Caption = '编辑'
      object N111: TMenuItem
        Caption = '上移文件'
        Enabled = False
        OnClick = bsSkinButton3Click
      end
      object N2221: TMenuItem
        Caption = '下移文件'
        Enabled = False
        OnClick = bsSkinButton4Click
      end
      object N12: TMenuItem
        Caption = '-'
      end
      object N13: TMenuItem
        Caption = '删除选择'
        Enabled = False
        OnClick = bsSkinButton7Click
      end
      object N14: TMenuItem
        Caption = '清空文件'
        Enabled = False
        OnClick = bsSkinButton8Click
      end
      object N25: TMenuItem
        Caption = '-'
      end
      object N26: TMenuItem
        Caption = '重新命名'
        Enabled = False
        OnClick = N26Click
      end
    end
    object N6: TMenuItem
      Caption = '动作'
      object N7: TMenuItem
        Caption = '开始转换'
        Enabled = False
        OnClick = bsSkinButton2Click
      end
      object N8: TMenuItem
        Caption = '停止转换'
        Enabled = False
        OnClick = bsSkinButton10Click
      end
      object N9: TMenuItem
        Caption = '-'
      end
      object N10: TMenuItem
        Caption = '暂停转换'
        Enabled = False
        OnClick = bsSkinButton11Click
      end
      object N11: TMenuItem
        Caption = '继续继续'
        Enabled = False
        OnClick = bsSkinButton12Click
      end
      object N23: TMenuItem
        Caption = '-'
      end
      object N24: TMenuItem
        Caption = '选项设置'
        OnClick = N24Click
      end
    end
    object N17: TMenuItem
      Caption = '帮助'
      object N15: TMenuItem
        Caption = '帮助系统'
        ShortCut = 112
        OnClick = N15Click
      end
      object N16: TMenuItem
        Caption = '-'
      end
      object N19: TMenuItem
        Caption = '官方网站'
        OnClick = N19Click
      end
      object EMAIL1: TMenuItem
        Caption = '联系邮箱'
        OnClick = EMAIL1Click
      end
      object N5: TMenuItem
        Caption = '关于软件'
        OnClick = N5Click
      end
    end
  end
  object bsSkinPopupMenu1: TbsSkinPopupMenu
    object N11111: TMenuItem
      Caption = '添加一个文件'
      OnClick = btnAddClick
    end
    object N2222: TMenuItem
      Caption = '添加多个文件'
      OnClick = N2222Click
    end
    object N3331: TMenuItem
      Caption = '添加整个目录'
      OnClick = N3331Click
    end
  end
  object bsSkinPopupMenu2: TbsSkinPopupMenu
    object MenuItem1: TMenuItem
      Caption = '打开快照目录'
      OnClick = MenuItem1Click
    end
    object MenuItem2: TMenuItem
      Caption = '设置快照目录'
      OnClick = MenuItem2Click
    end
    object N28: TMenuItem
      Caption = '-'
    end
    object N27: TMenuItem
      Caption = '快照保存类型'
      object BMP1: TMenuItem
        Caption = 'BMP文件'
        RadioItem = True
        GroupIndex = 1
        Checked = True
        OnClick = BMP1Click
      end
      object JPG1: TMenuItem
        Caption = 'JPG文件'
        RadioItem = True
        GroupIndex = 1
        OnClick = JPG1Click
      end
      object GIF1: TMenuItem
        Caption = 'GIF文件'
        RadioItem = True
        GroupIndex = 1
        OnClick = GIF1Click
      end
      object PNG1: TMenuItem
        Caption = 'PNG文件'
        RadioItem = True
        GroupIndex = 1
        OnClick = PNG1Click
      end
    end
  end
  object OpenDialog1: TbsSkinOpenDialog
    CheckFileExists = True
    ToolButtonsTransparent = True
    AlphaBlendValue = 225
    CtrlAlphaBlendValue = 225
    LVHeaderSkinDataName = 'resizebutton'
    SkinData = bsSkinData1
    CtrlSkinData = bsSkinData1
    Title = '打开文件'
    Filter = 'All files|*.*'
    FilterIndex = 1
  end
  object OpenDialog2: TbsSkinOpenDialog
    CheckFileExists = True
    ToolButtonsTransparent = True
    AlphaBlendValue = 225
    CtrlAlphaBlendValue = 225
    LVHeaderSkinDataName = 'resizebutton'
    SkinData = bsSkinData1
    CtrlSkinData = bsSkinData1
    Title = '打开文件'
    Filter = 'All files|*.*'
    FilterIndex = 1
    MultiSelection = True
  end
  object bsSkinSelectDirectoryDialog1: TbsSkinSelectDirectoryDialog
    ToolButtonsTransparent = True
    AlphaBlendValue = 200
    SkinData = bsSkinData1
    CtrlSkinData = bsSkinData1
    Title = '选择目录'
    ShowToolBar = False
  end
  object bsSkinSelectDirectoryDialog2: TbsSkinSelectDirectoryDialog
    ToolButtonsTransparent = True
    AlphaBlendValue = 200
    SkinData = bsSkinData1
    CtrlSkinData = bsSkinData1
    Title = '选择输出目录'
    ShowToolBar = False
  end
  object FFTasks: TFFmpegTasks
    OnProgress = FFTasksProgress
    OnTerminate = FFTasksTerminate
    OnCustomHook = FFTasksCustomHook
  end
  object VOVezade: ZAZEvivez
    TriggerEventInMainThread = True
    OnFileOpen = VOVezadeFileOpen
    OnPosition = VOVezadePosition
    OnState = VOVezadeState
    OnHook = VOVezadeHook
  end
  object FFLogger: TFFLogger
    OnLog = FFLoggerLog
  end
  object SavePictureDialog1: TSavePictureDialog
  end
  object bsSkinMessage1: TbsSkinMessage
    SkinData = bsSkinData1
    CtrlSkinData = bsSkinData1
  end
  object bsSelectSkinDialog1: TbsSelectSkinDialog
    SkinList = bsCompressedSkinList1
    AlphaBlendValue = 200
    SkinData = bsSkinData1
    CtrlSkinData = bsSkinData1
    Title = 'Select skin'
  end
  object bsSkinOpenDialog1: TbsSkinOpenDialog
    CheckFileExists = True
    AlphaBlendValue = 225
    CtrlAlphaBlendValue = 225
    LVHeaderSkinDataName = 'resizebutton'
    SkinData = bsSkinData1
    Title = 'Open file'
    Filter = 'All files|*.*'
    FilterIndex = 1
  end
  object bsSkinSavePictureDialog1: TbsSkinSavePictureDialog
    AlphaBlendValue = 200
    CtrlAlphaBlendValue = 225
    SkinData = bsSkinData1
    CtrlSkinData = bsSkinData1
    Title = 'Save file'
    Filter = 'BMP文件 (*.bmp)|*.bmp|JPEG文件 (*jpg)|*.jpg'
    FilterIndex = 1
  end
  object bsSkinForm1: TbsSkinForm
    SkinData = bsSkinData1
    MenusSkinData = bsSkinData1
    BorderIcons = [biMinimize]
    SkinHint = bsSkinHint1
    TrayIcon = bsTrayIcon1
    MainMenuBar = bsSkinMainMenuBar1
    ClientWidth = 802
    ClientHeight = 541
  end
  object bsCompressedSkinList1: TbsCompressedSkinList
  end
  object bsCompressedSkinList2: TbsCompressedSkinList
  end
  object bsSkinData1: TbsSkinData
    SkinIndex = 1
    ResourceStrData = bsResourceStrData1
    SkinList = bsCompressedSkinList1
  end
  object bsSkinData2: TbsSkinData
    SkinList = bsCompressedSkinList2
  end
  object bsPngImageList5: TbsPngImageList
  end
  object bsPngImageList3: TbsPngImageList
  end
  object bsSkinHint1: TbsSkinHint
    SkinData = bsSkinData1
  end
  object bsTrayIcon1: TbsTrayIcon
    Enabled = False
    IconVisible = False
  end
  object bsResourceStrData1: TbsResourceStrData
  end
end
