object Form1: TForm
  Left = 10
  Top = 20
  Width = 320
  Height = 200
  Caption = 'Seed ' + #20013#25991 + '''s'
  Font.Style = [fsBold]
  ActiveControl = Button1
  object Panel1: TPanel
    Align = alTop
    Height = 40
    object Button1: TButton
      Left = 5
      Top = 5
      Caption = 'OK'
      TabStop = True
      PopupMenu = Menu1
    end
  end
  object ListView1: TListView
    Align = alClient
    Columns = <
      item
        Caption = 'Name'
        Width = 120
      end
      item
        Caption = 'Size'
        Width = $50
      end>
  end
  object Memo1: TMemo
    Lines.Strings = (
      'first'
      'second')
  end
  object Image1: TImage
    Picture.Data = {
      07544269746d6170424dc6000000000000003600000028000000080000000600
      0000010018000000000090000000000000000000000000000000000000000000
      000000ffff00ffff000000ffff00ff000000ffffffff0000ff00c0ff00ff7f40
      ff00ffff00ff3f00ff0080bf00ff0000000000ffff00ffff000000ffff00ff00
      0000ffffffff0000000000ffff00ffff000000ffff00ff000000ffffffff0000
      000000ffff00ffff000000ffff00ff000000ffffffff0000000000ff00ff0000
      ffffff0000ff00ffffff00ffffff}
  end
  object Menu1: TPopupMenu
    object Item1: TMenuItem
      Caption = 'Open'
    end
  end
end
