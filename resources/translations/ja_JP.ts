<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Vidorna</source>
        <translation>Vidorna について</translation>
    </message>
    <message>
        <source>Homepage</source>
        <translation>ホームページ</translation>
    </message>
    <message>
        <source>Copyright © 2026 Peltrane Software.</source>
        <translation>Copyright © 2026 Peltrane Software.</translation>
    </message>
    <message>
        <source>All rights reserved.</source>
        <translation>All rights reserved.</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>バージョン %1</translation>
    </message>
</context>
<context>
    <name>BorderEditingWidgetController</name>
    <message>
        <source>Border Size &amp; Color</source>
        <translation>枠線のサイズと色</translation>
    </message>
</context>
<context>
    <name>CameraDialog</name>
    <message>
        <source>No camera</source>
        <translation>カメラなし</translation>
    </message>
    <message>
        <source>Opening camera...</source>
        <translation>カメラを起動しています...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Retake</source>
        <translation>撮り直す</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>使用</translation>
    </message>
    <message>
        <source>Capture video</source>
        <translation>ビデオを撮影</translation>
    </message>
    <message>
        <source>Capture still image</source>
        <translation>静止画を撮影</translation>
    </message>
    <message>
        <source>Toggle Capture Type
Current: %1</source>
        <translation>撮影モードを切り替え
現在: %1</translation>
    </message>
    <message>
        <source>Capture Error</source>
        <translation>撮影エラー</translation>
    </message>
    <message>
        <source>The recording was not saved.</source>
        <translation>録画を保存できませんでした。</translation>
    </message>
    <message>
        <source>Camera Error</source>
        <translation>カメラエラー</translation>
    </message>
    <message>
        <source>Image Capture Error</source>
        <translation>静止画撮影エラー</translation>
    </message>
</context>
<context>
    <name>CanvasWidget</name>
    <message>
        <source>Edit Text</source>
        <translation>テキストを編集</translation>
    </message>
    <message>
        <source>Add Text</source>
        <translation>テキストを追加</translation>
    </message>
    <message>
        <source>Enter text here</source>
        <translation>ここにテキストを入力</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Insert a Picture</source>
        <translation>画像を挿入</translation>
    </message>
</context>
<context>
    <name>CommonMainWindow</name>
    <message>
        <source>Done</source>
        <translation>完了</translation>
    </message>
</context>
<context>
    <name>CrashHandler</name>
    <message>
        <source>App crash catched!</source>
        <translation>アプリがクラッシュしました！</translation>
    </message>
    <message>
        <source>%1: 0x%2</source>
        <translation>%1: 0x%2</translation>
    </message>
    <message>
        <source>Error code</source>
        <translation>エラーコード</translation>
    </message>
    <message>
        <source>Error address</source>
        <translation>エラーアドレス</translation>
    </message>
    <message>
        <source>Crash report &apos;%1&apos; has been saved to %2</source>
        <translation>クラッシュレポート「%1」を %2 に保存しました</translation>
    </message>
    <message>
        <source>Crash Occurs</source>
        <translation>クラッシュが発生しました</translation>
    </message>
</context>
<context>
    <name>CropAreaWidget</name>
    <message>
        <source>Feathering %1%</source>
        <translation>ぼかし %1%</translation>
    </message>
</context>
<context>
    <name>DesktopMainWindow</name>
    <message>
        <source>100%</source>
        <translation>100%</translation>
    </message>
    <message>
        <source>25%</source>
        <translation>25%</translation>
    </message>
    <message>
        <source>50%</source>
        <translation>50%</translation>
    </message>
    <message>
        <source>540p</source>
        <translation>540p</translation>
    </message>
    <message>
        <source>75%</source>
        <translation>75%</translation>
    </message>
    <message>
        <source>Export the movie</source>
        <translation>ムービーを書き出す</translation>
    </message>
    <message>
        <source>Fullscreen Preview</source>
        <translation>全画面プレビュー</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>隠す</translation>
    </message>
    <message>
        <source>MainWindow</source>
        <translation>メインウィンドウ</translation>
    </message>
    <message>
        <source>Movie configuration</source>
        <translation>ムービーの設定</translation>
    </message>
    <message>
        <source>Next position</source>
        <translation>次の位置</translation>
    </message>
    <message>
        <source>No editing segment</source>
        <translation>編集中のセグメントはありません</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>再生/一時停止</translation>
    </message>
    <message>
        <source>Preview Resolution</source>
        <translation>プレビューの解像度</translation>
    </message>
    <message>
        <source>Preview Scale</source>
        <translation>プレビューの拡大率</translation>
    </message>
    <message>
        <source>Preview resolution</source>
        <translation>プレビューの解像度</translation>
    </message>
    <message>
        <source>Preview scale</source>
        <translation>プレビューの拡大率</translation>
    </message>
    <message>
        <source>Previous position</source>
        <translation>前の位置</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>元に戻す</translation>
    </message>
    <message>
        <source>File</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>Save &amp;&amp; Close</source>
        <translation>保存して閉じる</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>編集</translation>
    </message>
    <message>
        <source>View</source>
        <translation>表示</translation>
    </message>
    <message>
        <source>Media Explorer</source>
        <translation>メディアエクスプローラー</translation>
    </message>
    <message>
        <source>Segment Inspector</source>
        <translation>セグメントインスペクター</translation>
    </message>
    <message>
        <source>Segment</source>
        <translation>セグメント</translation>
    </message>
    <message>
        <source>Transition</source>
        <translation>トランジション</translation>
    </message>
    <message>
        <source>Movie</source>
        <translation>ムービー</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Vidorna Help</source>
        <translation>Vidorna ヘルプ</translation>
    </message>
    <message>
        <source>Get Vidorna on Smartphones</source>
        <translation>スマートフォン版 Vidorna を入手</translation>
    </message>
    <message>
        <source>About Vidorna</source>
        <translation>Vidorna について</translation>
    </message>
    <message>
        <source>Cropping...</source>
        <translation>トリミング中...</translation>
    </message>
    <message>
        <source>Editing...</source>
        <translation>編集中...</translation>
    </message>
    <message>
        <source>Drawing...</source>
        <translation>描画中...</translation>
    </message>
    <message>
        <source>Linear</source>
        <translation>リニア</translation>
    </message>
    <message>
        <source>%1</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>%1 In</source>
        <translation>%1 イン</translation>
    </message>
    <message>
        <source>%1 Out</source>
        <translation>%1 アウト</translation>
    </message>
    <message>
        <source>%1 InOut</source>
        <translation>%1 イン・アウト</translation>
    </message>
    <message>
        <source>Smooth</source>
        <translation>スムーズ</translation>
    </message>
    <message>
        <source>Circular</source>
        <translation>サーキュラー</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>バック</translation>
    </message>
    <message>
        <source>Elastic</source>
        <translation>エラスティック</translation>
    </message>
    <message>
        <source>Bounce</source>
        <translation>バウンス</translation>
    </message>
</context>
<context>
    <name>DoneButtonEditingWidget</name>
    <message>
        <source>Done</source>
        <translation>完了</translation>
    </message>
</context>
<context>
    <name>DrawingCommonToolsWidget</name>
    <message>
        <source>Free Pencil</source>
        <translation>フリーハンド鉛筆</translation>
    </message>
    <message>
        <source>Spray</source>
        <translation>スプレー</translation>
    </message>
    <message>
        <source>Texture</source>
        <translation>テクスチャ</translation>
    </message>
    <message>
        <source>Eraser</source>
        <translation>消しゴム</translation>
    </message>
    <message>
        <source>Clear Painting</source>
        <translation>描画を消去</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>元に戻す</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>やり直し</translation>
    </message>
    <message>
        <source>Line Width</source>
        <translation>線の太さ</translation>
    </message>
    <message>
        <source>Straight Line</source>
        <translation>直線</translation>
    </message>
    <message>
        <source>Rectangle Outline</source>
        <translation>長方形（枠線）</translation>
    </message>
    <message>
        <source>Filled Rectangle</source>
        <translation>長方形（塗りつぶし）</translation>
    </message>
    <message>
        <source>Round Rectangle Outline</source>
        <translation>角丸長方形（枠線）</translation>
    </message>
    <message>
        <source>Filled Round Rectangle</source>
        <translation>角丸長方形（塗りつぶし）</translation>
    </message>
    <message>
        <source>Circle Outline</source>
        <translation>円（枠線）</translation>
    </message>
    <message>
        <source>Filled Circle</source>
        <translation>円（塗りつぶし）</translation>
    </message>
    <message>
        <source>Ellipse Outline</source>
        <translation>楕円（枠線）</translation>
    </message>
    <message>
        <source>Filled Ellipse</source>
        <translation>楕円（塗りつぶし）</translation>
    </message>
    <message>
        <source>Triangle Outline</source>
        <translation>三角形（枠線）</translation>
    </message>
    <message>
        <source>Filled Triangle</source>
        <translation>三角形（塗りつぶし）</translation>
    </message>
    <message>
        <source>Rhombus Outline</source>
        <translation>ひし形（枠線）</translation>
    </message>
    <message>
        <source>Filled Rhombus</source>
        <translation>ひし形（塗りつぶし）</translation>
    </message>
    <message>
        <source>Pentagram Outline</source>
        <translation>星形（枠線）</translation>
    </message>
    <message>
        <source>Filled Pentagram</source>
        <translation>星形（塗りつぶし）</translation>
    </message>
    <message>
        <source>Pentagon Outline</source>
        <translation>五角形（枠線）</translation>
    </message>
    <message>
        <source>Filled Pentagon</source>
        <translation>五角形（塗りつぶし）</translation>
    </message>
    <message>
        <source>Heart Outline</source>
        <translation>ハート（枠線）</translation>
    </message>
    <message>
        <source>Filled Heart</source>
        <translation>ハート（塗りつぶし）</translation>
    </message>
    <message>
        <source>Save to Album</source>
        <translation>アルバムに保存</translation>
    </message>
    <message>
        <source>Insert Text</source>
        <translation>テキストを挿入</translation>
    </message>
    <message>
        <source>Insert Picture</source>
        <translation>画像を挿入</translation>
    </message>
    <message>
        <source>Stroke Hardness</source>
        <translation>ストロークの硬さ</translation>
    </message>
    <message>
        <source>Linear Gradient</source>
        <translation>線形グラデーション</translation>
    </message>
    <message>
        <source>Radial Gradient</source>
        <translation>放射状グラデーション</translation>
    </message>
    <message>
        <source>Switch between pencil and eraser</source>
        <translation>鉛筆と消しゴムを切り替え</translation>
    </message>
    <message>
        <source>Dashed Line</source>
        <translation>破線</translation>
    </message>
    <message>
        <source>Dotted Line</source>
        <translation>点線</translation>
    </message>
    <message>
        <source>Arrow Line</source>
        <translation>矢印</translation>
    </message>
</context>
<context>
    <name>DrawingTuningWidget</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
    <message>
        <source>Select picture</source>
        <translation>画像を選択</translation>
    </message>
    <message>
        <source>Picture size</source>
        <translation>画像のサイズ</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>Change text</source>
        <translation>テキストを変更</translation>
    </message>
    <message>
        <source>Text alignment</source>
        <translation>テキストの配置</translation>
    </message>
    <message>
        <source>Text size</source>
        <translation>テキストのサイズ</translation>
    </message>
    <message>
        <source>Text font</source>
        <translation>フォント</translation>
    </message>
    <message>
        <source>Line width</source>
        <translation>線の太さ</translation>
    </message>
    <message>
        <source>Hardness</source>
        <translation>硬さ</translation>
    </message>
    <message>
        <source>Text Size</source>
        <translation>テキストサイズ</translation>
    </message>
    <message>
        <source>Picture Size</source>
        <translation>画像サイズ</translation>
    </message>
</context>
<context>
    <name>EditButtonEditingWidget</name>
    <message>
        <source>Edit</source>
        <translation>編集</translation>
    </message>
</context>
<context>
    <name>EditButtonEditingWidgetController</name>
    <message>
        <source>Text</source>
        <translation>テキスト</translation>
    </message>
    <message>
        <source>Edit Text</source>
        <translation>テキストを編集</translation>
    </message>
    <message>
        <source>Self-Draw</source>
        <translation>手描き</translation>
    </message>
    <message>
        <source>Edit Drawing</source>
        <translation>描画を編集</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>写真</translation>
    </message>
    <message>
        <source>Change Photo</source>
        <translation>写真を変更</translation>
    </message>
</context>
<context>
    <name>EditableGradientWidget</name>
    <message>
        <source>Choose Color</source>
        <translation>色を選択</translation>
    </message>
    <message>
        <source>No Color</source>
        <translation>色なし</translation>
    </message>
</context>
<context>
    <name>FullscreenControlWidget</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
    <message>
        <source>Previous position</source>
        <translation>前の位置</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>再生/一時停止</translation>
    </message>
    <message>
        <source>Next position</source>
        <translation>次の位置</translation>
    </message>
    <message>
        <source>Exit fullscreen</source>
        <translation>全画面表示を終了</translation>
    </message>
</context>
<context>
    <name>GeometryEditingWidget</name>
    <message>
        <source>Geometry</source>
        <translation>ジオメトリ</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>W</source>
        <translation>W</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>H</source>
        <translation>H</translation>
    </message>
    <message>
        <source>Rotate Clockwise</source>
        <translation>時計回りに回転</translation>
    </message>
    <message>
        <source>Rotate Counterclockwise</source>
        <translation>反時計回りに回転</translation>
    </message>
    <message>
        <source>Crop &amp; Feathering</source>
        <translation>切り抜きとぼかし</translation>
    </message>
    <message>
        <source>Flip Horizontally</source>
        <translation>左右反転</translation>
    </message>
    <message>
        <source>Flip Vertically</source>
        <translation>上下反転</translation>
    </message>
    <message>
        <source>Maintain aspect ratio</source>
        <translation>縦横比を保持</translation>
    </message>
    <message>
        <source>Restore the default</source>
        <translation>初期状態に戻す</translation>
    </message>
    <message>
        <source>Perspective (Four-point positioning)</source>
        <translation>遠近法（4 点配置）</translation>
    </message>
    <message>
        <source>Top Left Corner</source>
        <translation>左上の角</translation>
    </message>
    <message>
        <source>Top Right Corner</source>
        <translation>右上の角</translation>
    </message>
    <message>
        <source>Bottom Right Corner</source>
        <translation>右下の角</translation>
    </message>
    <message>
        <source>Bottom Left Corner</source>
        <translation>左下の角</translation>
    </message>
</context>
<context>
    <name>GiphyGifsWidget</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
    <message>
        <source>Search GIPHY</source>
        <translation>GIPHY を検索</translation>
    </message>
    <message>
        <source>Network error (code=%1)</source>
        <translation>ネットワークエラー (コード=%1)</translation>
    </message>
    <message>
        <source>Network error (code=%1 %2)</source>
        <translation>ネットワークエラー (コード=%1 %2)</translation>
    </message>
    <message>
        <source>Network failed (Status code=%1)</source>
        <translation>ネットワーク要求に失敗しました (ステータスコード=%1)</translation>
    </message>
    <message>
        <source>Parse data error (code=%1)</source>
        <translation>データ解析エラー (コード=%1)</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>Downloading file...</source>
        <translation>ファイルをダウンロード中...</translation>
    </message>
    <message>
        <source>Download error (code=%1)</source>
        <translation>ダウンロードエラー (コード=%1)</translation>
    </message>
</context>
<context>
    <name>HorizontalMediaExplorerWidget</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>Show pictures only</source>
        <translation>画像のみ表示</translation>
    </message>
    <message>
        <source>Show videos only</source>
        <translation>ビデオのみ表示</translation>
    </message>
    <message>
        <source>Show music only</source>
        <translation>音楽のみ表示</translation>
    </message>
    <message>
        <source>Show media from the system Photos and Music app</source>
        <translation>システムの写真アプリと音楽アプリのメディアを表示</translation>
    </message>
    <message>
        <source>Show media from the In-App Library</source>
        <translation>アプリ内ライブラリのメディアを表示</translation>
    </message>
    <message>
        <source>Show media from the Local Files (iTunes File Sharing) folder</source>
        <translation>ローカルファイル (iTunes ファイル共有) フォルダのメディアを表示</translation>
    </message>
</context>
<context>
    <name>LocalFilesWidget</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>ムービー</translation>
    </message>
    <message>
        <source>All</source>
        <translation>すべて</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>ビデオ</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>画像</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>オーディオ</translation>
    </message>
    <message>
        <source>Directory not found</source>
        <translation>フォルダーが見つかりません</translation>
    </message>
    <message>
        <source>Select Directory...</source>
        <translation>フォルダーを選択...</translation>
    </message>
    <message>
        <source>Select Directory</source>
        <translation>フォルダーを選択</translation>
    </message>
    <message>
        <source>Icon Mode</source>
        <translation>アイコン表示</translation>
    </message>
    <message>
        <source>List Mode</source>
        <translation>リスト表示</translation>
    </message>
    <message>
        <source>Show in File Explorer</source>
        <translation>ファイルエクスプローラーで表示</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Maintain aspect ratio</source>
        <translation>縦横比を維持</translation>
    </message>
    <message>
        <source>Restore the default</source>
        <translation>デフォルトに戻す</translation>
    </message>
    <message>
        <source>Fill the screen</source>
        <translation>画面いっぱいに表示</translation>
    </message>
    <message>
        <source>Edit Text</source>
        <translation>テキストを編集</translation>
    </message>
    <message>
        <source>Original Size</source>
        <translation>元のサイズ</translation>
    </message>
    <message>
        <source>Edit Drawing</source>
        <translation>描画を編集</translation>
    </message>
    <message>
        <source>Editing properties applied to all %1 segments</source>
        <translation>編集プロパティをすべての%1セグメントに適用しました</translation>
    </message>
    <message>
        <source>video</source>
        <translation>ビデオ</translation>
    </message>
    <message>
        <source>image</source>
        <translation>画像</translation>
    </message>
    <message>
        <source>self-draw</source>
        <translation>手描き</translation>
    </message>
    <message>
        <source>text</source>
        <translation>テキスト</translation>
    </message>
    <message>
        <source>music</source>
        <translation>音楽</translation>
    </message>
    <message>
        <source>voice</source>
        <translation>ボイス</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>元に戻す</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>やり直す</translation>
    </message>
    <message>
        <source>Enter Range Selection</source>
        <translation>範囲選択を開始</translation>
    </message>
    <message>
        <source>Toggle Insert/Overwite Mode</source>
        <translation>挿入/上書きモードの切り替え</translation>
    </message>
    <message>
        <source>Finish Editing</source>
        <translation>編集を終了</translation>
    </message>
    <message>
        <source>Edit Transitions</source>
        <translation>トランジションを編集</translation>
    </message>
    <message>
        <source>Finish Editing Transitions</source>
        <translation>トランジションの編集を終了</translation>
    </message>
    <message>
        <source>Cancel Range Selection</source>
        <translation>範囲選択をキャンセル</translation>
    </message>
    <message>
        <source>Overwrite Mode On</source>
        <translation>上書きモード オン</translation>
    </message>
    <message>
        <source>Insert Mode On</source>
        <translation>挿入モード オン</translation>
    </message>
    <message>
        <source>Toggle Insert/Overwrite Mode
Current: Overwrite mode</source>
        <translation>挿入/上書きモードの切り替え
現在: 上書きモード</translation>
    </message>
    <message>
        <source>Toggle Insert/Overwrite Mode
Current: Insert mode</source>
        <translation>挿入/上書きモードの切り替え
現在: 挿入モード</translation>
    </message>
    <message>
        <source>Unable to undo temporarily</source>
        <translation>現在は元に戻せません</translation>
    </message>
    <message>
        <source>Unable to redo temporarily</source>
        <translation>現在はやり直せません</translation>
    </message>
    <message>
        <source>Toggle Fullscreen</source>
        <translation>全画面表示の切り替え</translation>
    </message>
    <message>
        <source>Add File...</source>
        <translation>ファイルを追加...</translation>
    </message>
    <message>
        <source>Add from Camera...</source>
        <translation>カメラから追加...</translation>
    </message>
    <message>
        <source>Add from Microphone...</source>
        <translation>マイクから追加...</translation>
    </message>
    <message>
        <source>Add Text</source>
        <translation>テキストを追加</translation>
    </message>
    <message>
        <source>Add Self-Draw</source>
        <translation>手描きを追加</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>編集</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>複製</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>分割</translation>
    </message>
    <message>
        <source>Add Transition</source>
        <translation>トランジションを追加</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Edit Transition</source>
        <translation>トランジションを編集</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>再生/一時停止</translation>
    </message>
    <message>
        <source>Next Position</source>
        <translation>次の位置</translation>
    </message>
    <message>
        <source>Previous Position</source>
        <translation>前の位置</translation>
    </message>
    <message>
        <source>Export &amp;&amp; Share</source>
        <translation>書き出し &amp;&amp; 共有</translation>
    </message>
    <message>
        <source>Configuration...</source>
        <translation>設定...</translation>
    </message>
    <message>
        <source>Open properties error occurs (%1)</source>
        <translation>プロパティを開く際にエラーが発生しました (%1)</translation>
    </message>
    <message>
        <source>Opening...</source>
        <translation>開いています...</translation>
    </message>
    <message>
        <source>Open project error occurs (%1)</source>
        <translation>プロジェクトを開く際にエラーが発生しました (%1)</translation>
    </message>
    <message>
        <source>Convert Project Failed</source>
        <translation>プロジェクトの変換に失敗しました</translation>
    </message>
    <message>
        <source>Open Project Failed</source>
        <translation>プロジェクトを開けませんでした</translation>
    </message>
    <message>
        <source>Current movie project is damaged.</source>
        <translation>現在のムービープロジェクトは破損しています。</translation>
    </message>
    <message>
        <source>Higher Version Project</source>
        <translation>新しいバージョンのプロジェクト</translation>
    </message>
    <message>
        <source>Vidorna can not open the higher version movie project. Please update Vidorna to the latest version.</source>
        <translation>Vidorna では新しいバージョンのムービープロジェクトを開けません。Vidorna を最新バージョンに更新してください。</translation>
    </message>
    <message>
        <source>Failed to save movie</source>
        <translation>ムービーを保存できませんでした</translation>
    </message>
    <message>
        <source>The movie project cannot be read: %1</source>
        <translation>ムービープロジェクトを読み込めません: %1</translation>
    </message>
    <message>
        <source>The changes could not be saved: %1</source>
        <translation>変更を保存できませんでした: %1</translation>
    </message>
    <message>
        <source>If you close without saving, the changes are lost. Keep the window open to try again.</source>
        <translation>保存せずに閉じると、変更は失われます。もう一度試すにはウィンドウを開いたままにしてください。</translation>
    </message>
    <message>
        <source>Keep Open</source>
        <translation>開いたままにする</translation>
    </message>
    <message>
        <source>Close Without Saving</source>
        <translation>保存せずに閉じる</translation>
    </message>
    <message>
        <source>Load Error</source>
        <translation>読み込みエラー</translation>
    </message>
    <message>
        <source>File Not Found</source>
        <translation>ファイルが見つかりません</translation>
    </message>
    <message>
        <source>No audio contained</source>
        <translation>オーディオが含まれていません</translation>
    </message>
    <message>
        <source>Failed to record operation</source>
        <translation>操作を記録できませんでした</translation>
    </message>
    <message>
        <source>No operation to undo</source>
        <translation>取り消す操作はありません</translation>
    </message>
    <message>
        <source>No operation to redo</source>
        <translation>やり直す操作はありません</translation>
    </message>
    <message>
        <source>The operation to undo could not be read</source>
        <translation>取り消す操作を読み込めませんでした</translation>
    </message>
    <message>
        <source>The operation to redo could not be read</source>
        <translation>やり直す操作を読み込めませんでした</translation>
    </message>
    <message>
        <source>Edits that could not be recorded were undone too</source>
        <translation>記録できなかった編集も元に戻されました</translation>
    </message>
    <message>
        <source>Help Center</source>
        <translation>ヘルプセンター</translation>
    </message>
    <message>
        <source>Custom Transition</source>
        <translation>カスタムトランジション</translation>
    </message>
    <message>
        <source>Fade In &amp;&amp; Fade Out</source>
        <translation>フェードイン &amp;&amp; フェードアウト</translation>
    </message>
    <message>
        <source>Fade In</source>
        <translation>フェードイン</translation>
    </message>
    <message>
        <source>Fade Out</source>
        <translation>フェードアウト</translation>
    </message>
    <message>
        <source>Left In &amp;&amp; Right Out</source>
        <translation>左からイン &amp;&amp; 右へアウト</translation>
    </message>
    <message>
        <source>Right In &amp;&amp; Left Out</source>
        <translation>右からイン &amp;&amp; 左へアウト</translation>
    </message>
    <message>
        <source>Left In</source>
        <translation>左からイン</translation>
    </message>
    <message>
        <source>Left Out</source>
        <translation>左へアウト</translation>
    </message>
    <message>
        <source>Right In</source>
        <translation>右からイン</translation>
    </message>
    <message>
        <source>Right Out</source>
        <translation>右へアウト</translation>
    </message>
    <message>
        <source>Up In &amp;&amp; Down Out</source>
        <translation>上からイン &amp;&amp; 下へアウト</translation>
    </message>
    <message>
        <source>Down In &amp;&amp; Up Out</source>
        <translation>下からイン &amp;&amp; 上へアウト</translation>
    </message>
    <message>
        <source>Up In</source>
        <translation>上からイン</translation>
    </message>
    <message>
        <source>Up Out</source>
        <translation>上へアウト</translation>
    </message>
    <message>
        <source>Down In</source>
        <translation>下からイン</translation>
    </message>
    <message>
        <source>Down Out</source>
        <translation>下へアウト</translation>
    </message>
    <message>
        <source>Shrink In &amp;&amp; Shrink Out</source>
        <translation>縮小イン &amp;&amp; 縮小アウト</translation>
    </message>
    <message>
        <source>Grow In &amp;&amp; Grow Out</source>
        <translation>拡大イン &amp;&amp; 拡大アウト</translation>
    </message>
    <message>
        <source>Shrink In</source>
        <translation>縮小イン</translation>
    </message>
    <message>
        <source>Shrink Out</source>
        <translation>縮小アウト</translation>
    </message>
    <message>
        <source>Grow In</source>
        <translation>拡大イン</translation>
    </message>
    <message>
        <source>Grow Out</source>
        <translation>拡大アウト</translation>
    </message>
    <message>
        <source>Open In &amp;&amp; Close Out</source>
        <translation>オープンイン &amp;&amp; クローズアウト</translation>
    </message>
    <message>
        <source>Open In</source>
        <translation>オープンイン</translation>
    </message>
    <message>
        <source>Close Out</source>
        <translation>クローズアウト</translation>
    </message>
    <message>
        <source>Wipe In &amp;&amp; Wipe Out</source>
        <translation>ワイプイン &amp;&amp; ワイプアウト</translation>
    </message>
    <message>
        <source>Wipe In</source>
        <translation>ワイプイン</translation>
    </message>
    <message>
        <source>Wipe Out</source>
        <translation>ワイプアウト</translation>
    </message>
    <message>
        <source>No enough space for another transition</source>
        <translation>別のトランジションを追加する空きがありません</translation>
    </message>
    <message>
        <source>Easing type applied to all transitions</source>
        <translation>イージングの種類をすべてのトランジションに適用しました</translation>
    </message>
    <message>
        <source>Move timeline to the position to split</source>
        <translation>分割する位置にタイムラインを移動してください</translation>
    </message>
    <message>
        <source>How to deal with the existing transition(s)?</source>
        <translation>既存のトランジションをどう処理しますか？</translation>
    </message>
    <message>
        <source>Duplicate and shorten the transition(s)</source>
        <translation>トランジションを複製して短くする</translation>
    </message>
    <message>
        <source>Don&apos;t shorten the transition(s)</source>
        <translation>トランジションを短くしない</translation>
    </message>
    <message>
        <source>Move timeline to the position to grab image</source>
        <translation>画像を取り込む位置にタイムラインを移動してください</translation>
    </message>
    <message>
        <source>Save image failed</source>
        <translation>画像を保存できませんでした</translation>
    </message>
    <message>
        <source>Image saved to Pictures successfully</source>
        <translation>画像をピクチャに保存しました</translation>
    </message>
    <message>
        <source>Please wait a moment</source>
        <translation>しばらくお待ちください</translation>
    </message>
    <message>
        <source>No content to export</source>
        <translation>書き出すコンテンツがありません</translation>
    </message>
    <message>
        <source>The preview did not stop in time. Please try again.</source>
        <translation>プレビューが時間内に停止しませんでした。もう一度お試しください。</translation>
    </message>
    <message>
        <source>Create video failed</source>
        <translation>ビデオを作成できませんでした</translation>
    </message>
    <message>
        <source>The movie cannot be saved in &quot;%1&quot; because that folder cannot be written to. Please choose another location.</source>
        <translation>フォルダー「%1」に書き込めないため、ムービーを保存できません。別の場所を選択してください。</translation>
    </message>
    <message>
        <source>The movie file could not be created in &quot;%1&quot;. Please make sure that this folder can be written to and that the disk has free space.</source>
        <translation>「%1」にムービーファイルを作成できませんでした。このフォルダーに書き込めること、およびディスクに空き容量があることを確認してください。</translation>
    </message>
    <message>
        <source>The movie could not be finished in &quot;%1&quot; because its unfinished file was moved or replaced while it was written. Please export it again.</source>
        <translation>書き込み中に未完成のファイルが移動または置き換えられたため、「%1」でムービーを完成できませんでした。もう一度書き出してください。</translation>
    </message>
    <message>
        <source>The movie could not be saved as &quot;%1&quot; because another file took that name while the movie was written. That file was left as it is: please move it away and export again.</source>
        <translation>ムービーの書き込み中に別のファイルがその名前を使用したため、「%1」として保存できませんでした。そのファイルはそのまま残されています。別の場所に移動してから、もう一度書き出してください。</translation>
    </message>
    <message>
        <source>The movie could not be written in &quot;%1&quot; because the disk is full. Please free some space on that disk and export again.</source>
        <translation>ディスクがいっぱいのため、「%1」にムービーを書き込めませんでした。そのディスクの空き容量を増やしてから、もう一度書き出してください。</translation>
    </message>
    <message>
        <source>The movie could not be written in &quot;%1&quot; because that folder can no longer be written to. Please make sure that it can be written to and export again.</source>
        <translation>フォルダー「%1」に書き込めなくなったため、ムービーを書き込めませんでした。フォルダーに書き込めることを確認してから、もう一度書き出してください。</translation>
    </message>
    <message>
        <source>The movie could not be copied into &quot;%1&quot; because that folder cannot be written to. Please choose another location and export again.</source>
        <translation>フォルダー「%1」に書き込めないため、ムービーをコピーできませんでした。別の場所を選択して、もう一度書き出してください。</translation>
    </message>
    <message>
        <source>The movie could not be copied into &quot;%1&quot; because the disk is full. Please free some space on that disk or choose another location, and export again.</source>
        <translation>ディスクがいっぱいのため、「%1」にムービーをコピーできませんでした。そのディスクの空き容量を増やすか別の場所を選択して、もう一度書き出してください。</translation>
    </message>
    <message>
        <source>Export canceled</source>
        <translation>書き出しをキャンセルしました</translation>
    </message>
    <message>
        <source>Export Interrupted</source>
        <translation>書き出しの中断</translation>
    </message>
    <message>
        <source>Do you want to cancel the exporting?</source>
        <translation>書き出しをキャンセルしますか？</translation>
    </message>
    <message>
        <source>Canceling...</source>
        <translation>キャンセルしています...</translation>
    </message>
    <message>
        <source>Saving...</source>
        <translation>保存しています...</translation>
    </message>
    <message>
        <source>Color settings applied to all %1 segments</source>
        <translation>カラー設定をすべての%1セグメントに適用しました</translation>
    </message>
    <message>
        <source>Copy file failed</source>
        <translation>ファイルのコピーに失敗しました</translation>
    </message>
    <message>
        <source>Audio from %1</source>
        <translation>%1 の音声</translation>
    </message>
    <message>
        <source>media</source>
        <translation>メディア</translation>
    </message>
    <message>
        <source>picture</source>
        <translation>画像</translation>
    </message>
    <message>
        <source>All media files (*.*)</source>
        <translation>すべてのメディアファイル (*.*)</translation>
    </message>
    <message>
        <source>Choose %1 file to added into the current movie</source>
        <translation>現在のムービーに追加する%1ファイルを選択</translation>
    </message>
    <message>
        <source>Extract Audio</source>
        <translation>オーディオを抽出</translation>
    </message>
    <message>
        <source>Copying file...</source>
        <translation>ファイルをコピーしています...</translation>
    </message>
    <message>
        <source>Error Occurs</source>
        <translation>エラーが発生しました</translation>
    </message>
    <message>
        <source>Cannot move the captured photo file</source>
        <translation>撮影した写真ファイルを移動できません</translation>
    </message>
    <message>
        <source>Cannot move the captured video file</source>
        <translation>録画したビデオファイルを移動できません</translation>
    </message>
    <message>
        <source>Failed to open SRT file</source>
        <translation>SRTファイルを開けませんでした</translation>
    </message>
    <message>
        <source>No valid subtitles found in SRT file</source>
        <translation>SRTファイルに有効な字幕が見つかりません</translation>
    </message>
    <message>
        <source>Successfully imported %1 subtitles from SRT file</source>
        <translation>SRTファイルから %1 件の字幕を読み込みました</translation>
    </message>
    <message>
        <source>Add Media</source>
        <translation>メディアを追加</translation>
    </message>
    <message>
        <source>Add Video</source>
        <translation>ビデオを追加</translation>
    </message>
    <message>
        <source>Add Picture</source>
        <translation>画像を追加</translation>
    </message>
    <message>
        <source>Add Music</source>
        <translation>音楽を追加</translation>
    </message>
    <message>
        <source>Cannot move the recorded sound file</source>
        <translation>録音したサウンドファイルを移動できません</translation>
    </message>
    <message>
        <source>Save as Picture</source>
        <translation>画像として保存</translation>
    </message>
    <message>
        <source>Portable Network Graphics files (*.png)</source>
        <translation>PNG ファイル (*.png)</translation>
    </message>
    <message>
        <source>Saved OK</source>
        <translation>保存しました</translation>
    </message>
    <message>
        <source>Save painting failed</source>
        <translation>描画を保存できませんでした</translation>
    </message>
</context>
<context>
    <name>MediaExplorerHelpTipWidget</name>
    <message>
        <source>You can drag a footage from the Media Explorer and drop it directly at the desired location on a track.</source>
        <translation>メディアエクスプローラーから素材をドラッグして、トラック上の目的の位置に直接ドロップできます。</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>了解</translation>
    </message>
</context>
<context>
    <name>MediaExplorerWidget</name>
    <message>
        <source>Ambience</source>
        <translation>環境音</translation>
    </message>
    <message>
        <source>People</source>
        <translation>人物</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>イベント</translation>
    </message>
    <message>
        <source>Musical</source>
        <translation>楽器</translation>
    </message>
    <message>
        <source>Transition</source>
        <translation>トランジション</translation>
    </message>
    <message>
        <source>Vehicle</source>
        <translation>乗り物</translation>
    </message>
    <message>
        <source>Animal</source>
        <translation>動物</translation>
    </message>
    <message>
        <source>Emoticons</source>
        <translation>顔文字</translation>
    </message>
    <message>
        <source>Party</source>
        <translation>パーティー</translation>
    </message>
    <message>
        <source>Love</source>
        <translation>ラブ</translation>
    </message>
    <message>
        <source>Comic Words</source>
        <translation>コミック文字</translation>
    </message>
</context>
<context>
    <name>MediaPreviewControlWidget</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
    <message>
        <source>Close preview</source>
        <translation>プレビューを閉じる</translation>
    </message>
</context>
<context>
    <name>MediaPreviewWidget</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
</context>
<context>
    <name>MultiLanguage</name>
    <message>
        <source>Classic</source>
        <translation>クラシック</translation>
    </message>
</context>
<context>
    <name>NativeWebBrowserWidget</name>
    <message>
        <source>Back</source>
        <translation>戻る</translation>
    </message>
</context>
<context>
    <name>NewVersionDialog</name>
    <message>
        <source>New Version</source>
        <translation>新しいバージョン</translation>
    </message>
    <message>
        <source>A new version of Vidorna is available.</source>
        <translation>Vidorna の新しいバージョンが利用可能です。</translation>
    </message>
    <message>
        <source>Current version</source>
        <translation>現在のバージョン</translation>
    </message>
    <message>
        <source>New version</source>
        <translation>新しいバージョン</translation>
    </message>
    <message>
        <source>Download new version</source>
        <translation>新しいバージョンをダウンロード</translation>
    </message>
    <message>
        <source>See what&apos;s new</source>
        <translation>新機能を見る</translation>
    </message>
</context>
<context>
    <name>PitchEditingWidgetController</name>
    <message>
        <source>Pitch</source>
        <translation>ピッチ</translation>
    </message>
</context>
<context>
    <name>PopupChromaKeyWidget</name>
    <message>
        <source>Chroma Key</source>
        <translation>クロマキー</translation>
    </message>
    <message>
        <source>Sensitivity</source>
        <translation>感度</translation>
    </message>
    <message>
        <source>Smoothing</source>
        <translation>スムージング</translation>
    </message>
    <message>
        <source>On/Off</source>
        <translation>オン/オフ</translation>
    </message>
    <message>
        <source>Key Color</source>
        <translation>キーカラー</translation>
    </message>
    <message>
        <source>Restore default values</source>
        <translation>既定値に戻す</translation>
    </message>
</context>
<context>
    <name>PopupColorMatrixWidget</name>
    <message>
        <source>Recently Used Colors</source>
        <translation>最近使った色</translation>
    </message>
    <message>
        <source>More Colors...</source>
        <translation>その他の色...</translation>
    </message>
    <message>
        <source>Pick color from preview</source>
        <translation>プレビューから色を取得</translation>
    </message>
</context>
<context>
    <name>PopupColorsScrollWidget</name>
    <message>
        <source>Colors</source>
        <translation>カラー</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>彩度</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>明るさ</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>コントラスト</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>色温度</translation>
    </message>
    <message>
        <source>Exposure</source>
        <translation>露出</translation>
    </message>
    <message>
        <source>Hue</source>
        <translation>色相</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>赤</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>緑</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>青</translation>
    </message>
    <message>
        <source>Schemes</source>
        <translation>スキーム</translation>
    </message>
    <message>
        <source>Save as Scheme...</source>
        <translation>スキームとして保存...</translation>
    </message>
    <message>
        <source>Manage...</source>
        <translation>管理...</translation>
    </message>
    <message>
        <source>Apply to all segments</source>
        <translation>すべてのセグメントに適用</translation>
    </message>
    <message>
        <source>Save as Scheme</source>
        <translation>スキームとして保存</translation>
    </message>
    <message>
        <source>Enter scheme name</source>
        <translation>スキーム名を入力</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Color scheme saved</source>
        <translation>カラースキームを保存しました</translation>
    </message>
    <message>
        <source>Cannot save the color scheme</source>
        <translation>カラースキームを保存できません</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>Remove Scheme</source>
        <translation>スキームを削除</translation>
    </message>
    <message>
        <source>Do you really want to remove scheme &quot;%1&quot;?</source>
        <translation>スキーム「%1」を削除しますか？</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Remove scheme failed</source>
        <translation>スキームを削除できませんでした</translation>
    </message>
</context>
<context>
    <name>PopupColorsScrollWidgetEditItemWidget</name>
    <message>
        <source>Remove</source>
        <translation>削除</translation>
    </message>
</context>
<context>
    <name>PopupEasingFunctionsWidget</name>
    <message>
        <source>In</source>
        <translation>イン</translation>
    </message>
    <message>
        <source>Out</source>
        <translation>アウト</translation>
    </message>
    <message>
        <source>InOut</source>
        <translation>イン・アウト</translation>
    </message>
    <message>
        <source>Linear</source>
        <translation>リニア</translation>
    </message>
    <message>
        <source>Smooth</source>
        <translation>スムーズ</translation>
    </message>
    <message>
        <source>Circular</source>
        <translation>円形</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>バック</translation>
    </message>
    <message>
        <source>Elastic</source>
        <translation>エラスティック</translation>
    </message>
    <message>
        <source>Bounce</source>
        <translation>バウンス</translation>
    </message>
    <message>
        <source>Easing Type</source>
        <translation>イージングの種類</translation>
    </message>
    <message>
        <source>Apply to all transitions</source>
        <translation>すべてのトランジションに適用</translation>
    </message>
</context>
<context>
    <name>PopupMediaTypeSelectionWidget</name>
    <message>
        <source>Title</source>
        <translation>タイトル</translation>
    </message>
    <message>
        <source>Choose File...</source>
        <translation>ファイルを選択...</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>カメラ</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>マイク</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>テキスト</translation>
    </message>
    <message>
        <source>Self-Draw</source>
        <translation>手描き</translation>
    </message>
</context>
<context>
    <name>PopupMicrophoneWidget</name>
    <message>
        <source>No microphone</source>
        <translation>マイクがありません</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>The temporary folder for the recording cannot be found.</source>
        <translation>録音用の一時フォルダが見つかりません。</translation>
    </message>
    <message>
        <source>Error Occurs</source>
        <translation>エラーが発生しました</translation>
    </message>
    <message>
        <source>The recording holds no sound.</source>
        <translation>録音に音声が含まれていません。</translation>
    </message>
    <message>
        <source>The recording could not be finished, so it was not added.</source>
        <translation>録音を完了できなかったため、追加されませんでした。</translation>
    </message>
</context>
<context>
    <name>PopupMovieExportingWidget</name>
    <message>
        <source>Resolution</source>
        <translation>解像度</translation>
    </message>
    <message>
        <source>Frame Rate</source>
        <translation>フレームレート</translation>
    </message>
    <message>
        <source>Video Codec</source>
        <translation>ビデオコーデック</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>保存先</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>書き出し</translation>
    </message>
    <message>
        <source>Exporting movie...</source>
        <translation>ムービーを書き出しています...</translation>
    </message>
    <message>
        <source>Please do not exit Vidorna or lock the computer.</source>
        <translation>Vidorna を終了したり、コンピューターをロックしたりしないでください。</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Export Failed</source>
        <translation>書き出しに失敗しました</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Current movie has been exported successfully</source>
        <translation>ムービーを書き出しました</translation>
    </message>
    <message>
        <source>Detail</source>
        <translation>詳細</translation>
    </message>
    <message>
        <source>File</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>サイズ</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>長さ</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>ビデオ</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>オーディオ</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>SD - 360P</source>
        <translation>SD - 360P</translation>
    </message>
    <message>
        <source>SD - 540P</source>
        <translation>SD - 540P</translation>
    </message>
    <message>
        <source>HD - 720P</source>
        <translation>HD - 720P</translation>
    </message>
    <message>
        <source>Full HD - 1080P</source>
        <translation>Full HD - 1080P</translation>
    </message>
    <message>
        <source>Quad HD - 2K</source>
        <translation>Quad HD - 2K</translation>
    </message>
    <message>
        <source>Ultra HD - 4K</source>
        <translation>Ultra HD - 4K</translation>
    </message>
    <message>
        <source>Export &amp; Share</source>
        <translation>書き出しと共有</translation>
    </message>
    <message>
        <source>Select save directory</source>
        <translation>保存先フォルダーを選択</translation>
    </message>
    <message>
        <source>Estimated time remaining - %1</source>
        <translation>残り時間の目安 - %1</translation>
    </message>
    <message>
        <source>%L1 bytes (%2)</source>
        <translation>%L1 バイト (%2)</translation>
    </message>
    <message>
        <source>None</source>
        <translation>なし</translation>
    </message>
</context>
<context>
    <name>PopupProjectSettingsWidget</name>
    <message>
        <source>Configuration</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Aspect Ratio</source>
        <translation>アスペクト比</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>ビデオ</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>背景色</translation>
    </message>
    <message>
        <source>Transparent</source>
        <translation>透明</translation>
    </message>
    <message>
        <source>Frame Rate</source>
        <translation>フレームレート</translation>
    </message>
    <message>
        <source>Showcase</source>
        <translation>表示</translation>
    </message>
    <message>
        <source>Fixed Cover Image</source>
        <translation>カバー画像を固定</translation>
    </message>
    <message>
        <source>Display fixed cover image in Movies page</source>
        <translation>ムービーページに固定のカバー画像を表示</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>横向き</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>縦向き</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Frames Per Second</source>
        <translation>フレーム/秒</translation>
    </message>
</context>
<context>
    <name>PopupTransitionsListWidget</name>
    <message>
        <source>Title</source>
        <translation>タイトル</translation>
    </message>
    <message>
        <source>Add Transition</source>
        <translation>トランジションを追加</translation>
    </message>
</context>
<context>
    <name>ProgressHUD</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
</context>
<context>
    <name>ProjectFoldersPopup</name>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>新規フォルダー</translation>
    </message>
    <message>
        <source>Create a new folder</source>
        <translation>新しいフォルダーを作成</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>移動</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>ムービー</translation>
    </message>
    <message>
        <source>Move to %1</source>
        <translation>%1 に移動</translation>
    </message>
    <message>
        <source>Copy to %1</source>
        <translation>%1 にコピー</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>作成</translation>
    </message>
    <message>
        <source>Enter folder name</source>
        <translation>フォルダー名を入力</translation>
    </message>
    <message>
        <source>Create new folder exception occurs</source>
        <translation>フォルダーの作成中にエラーが発生しました</translation>
    </message>
    <message>
        <source>Wrong Name</source>
        <translation>無効な名前</translation>
    </message>
    <message>
        <source>A name cannot be empty, &quot;.&quot; or &quot;..&quot;, or hold &quot;/&quot;.</source>
        <translation>名前は空、「.」、「..」にはできず、「/」も使えません。</translation>
    </message>
    <message>
        <source>Rename Failed</source>
        <translation>名前の変更に失敗しました</translation>
    </message>
    <message>
        <source>An item with the name &quot;%1&quot; already exists</source>
        <translation>「%1」という名前の項目がすでに存在します</translation>
    </message>
    <message>
        <source>New Folder Failed</source>
        <translation>フォルダーを作成できませんでした</translation>
    </message>
</context>
<context>
    <name>ProjectLoader</name>
    <message>
        <source>&quot;%1&quot; was written by a higher version of Vidorna</source>
        <translation>「%1」は新しいバージョンの Vidorna で書き込まれています</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a Vidorna project file. Please move it away and archive again.</source>
        <translation>「%1」は Vidorna のプロジェクトファイルではありません。別の場所に移動してから、もう一度アーカイブしてください。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a Vidorna project file. Please move it away and save again.</source>
        <translation>「%1」は Vidorna のプロジェクトファイルではありません。別の場所に移動してから、もう一度保存してください。</translation>
    </message>
</context>
<context>
    <name>ProjectXml</name>
    <message>
        <source>&quot;%1&quot; is not a regular file</source>
        <translation>「%1」は通常のファイルではありません</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a link that leads nowhere</source>
        <translation>「%1」はリンク先が存在しないリンクです</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be written: %2</source>
        <translation>「%1」に書き込めません: %2</translation>
    </message>
</context>
<context>
    <name>ProjectsListWidget</name>
    <message>
        <source>Remove</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Delete current movie project</source>
        <translation>現在のムービープロジェクトを削除</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>名前を変更</translation>
    </message>
    <message>
        <source>Rename current movie project</source>
        <translation>現在のムービープロジェクトの名前を変更</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>複製</translation>
    </message>
    <message>
        <source>Duplicate current movie project</source>
        <translation>現在のムービープロジェクトを複製</translation>
    </message>
    <message>
        <source>Archive</source>
        <translation>アーカイブ</translation>
    </message>
    <message>
        <source>Archive current movie project</source>
        <translation>現在のムービープロジェクトをアーカイブ</translation>
    </message>
    <message>
        <source>Select an output directory</source>
        <translation>出力先フォルダーを選択</translation>
    </message>
    <message>
        <source>Archiving project...</source>
        <translation>プロジェクトをアーカイブしています...</translation>
    </message>
    <message>
        <source>Archive Project Failed</source>
        <translation>アーカイブに失敗しました</translation>
    </message>
    <message>
        <source>Insufficient Space</source>
        <translation>空き容量が不足しています</translation>
    </message>
    <message>
        <source>Archive Project Completed</source>
        <translation>プロジェクトをアーカイブしました</translation>
    </message>
    <message>
        <source>Select an archive to import</source>
        <translation>インポートするアーカイブを選択</translation>
    </message>
    <message>
        <source>Vidorna Project File (*.vidornaproject)</source>
        <translation>Vidorna プロジェクトファイル (*.vidornaproject)</translation>
    </message>
    <message>
        <source>Importing archive...</source>
        <translation>アーカイブをインポートしています...</translation>
    </message>
    <message>
        <source>There&apos;s not enough storage space to import this archive. About %1 more space is needed.</source>
        <translation>このアーカイブをインポートするための空き容量が足りません。あと約 %1 必要です。</translation>
    </message>
    <message>
        <source>Import Completed</source>
        <translation>インポートが完了しました</translation>
    </message>
    <message>
        <source>Import Failed</source>
        <translation>インポートに失敗しました</translation>
    </message>
    <message>
        <source>Import archive error occurs (%1)</source>
        <translation>アーカイブのインポート中にエラーが発生しました (%1)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Wrong Name</source>
        <translation>無効な名前</translation>
    </message>
    <message>
        <source>A name cannot be empty, &quot;.&quot; or &quot;..&quot;, or hold &quot;/&quot;.</source>
        <translation>名前は空、「.」、「..」にはできず、「/」も使えません。</translation>
    </message>
    <message>
        <source>Movie In Use</source>
        <translation>ムービー使用中</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is open in the editor. Close the movie first.</source>
        <translation>「%1」はエディターで開かれています。先にムービーを閉じてください。</translation>
    </message>
    <message>
        <source>New Movie %1</source>
        <translation>新規ムービー %1</translation>
    </message>
    <message>
        <source>New Movie</source>
        <translation>新規ムービー</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>作成</translation>
    </message>
    <message>
        <source>Enter project name</source>
        <translation>プロジェクト名を入力</translation>
    </message>
    <message>
        <source>Failed to create movie file</source>
        <translation>ムービーファイルを作成できませんでした</translation>
    </message>
    <message>
        <source>The named movie already exists</source>
        <translation>同じ名前のムービーがすでに存在します</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>新規フォルダー</translation>
    </message>
    <message>
        <source>Enter folder name</source>
        <translation>フォルダー名を入力</translation>
    </message>
    <message>
        <source>New Folder Failed</source>
        <translation>フォルダーを作成できませんでした</translation>
    </message>
    <message>
        <source>An item with the name &quot;%1&quot; already exists</source>
        <translation>「%1」という名前の項目がすでに存在します</translation>
    </message>
    <message>
        <source>Create new folder exception occurs</source>
        <translation>フォルダーの作成中にエラーが発生しました</translation>
    </message>
    <message>
        <source>Rename Item</source>
        <translation>項目の名前を変更</translation>
    </message>
    <message>
        <source>Enter item name</source>
        <translation>項目名を入力</translation>
    </message>
    <message>
        <source>Rename Failed</source>
        <translation>名前の変更に失敗しました</translation>
    </message>
    <message>
        <source>Rename failed</source>
        <translation>名前の変更に失敗しました</translation>
    </message>
    <message>
        <source>%1 Copy %2</source>
        <translation>%1 のコピー %2</translation>
    </message>
    <message>
        <source>%1 Copy</source>
        <translation>%1 のコピー</translation>
    </message>
    <message>
        <source>Duplicate Movie</source>
        <translation>ムービーを複製</translation>
    </message>
    <message>
        <source>Enter movie name</source>
        <translation>ムービー名を入力</translation>
    </message>
    <message>
        <source>Failed to duplicate movie</source>
        <translation>ムービーを複製できませんでした</translation>
    </message>
    <message>
        <source>Remove Item</source>
        <translation>項目を削除</translation>
    </message>
    <message>
        <source>Do you really want to remove item &quot;%1&quot;?</source>
        <translation>項目「%1」を削除してもよろしいですか?</translation>
    </message>
    <message>
        <source>Remove Item(s)</source>
        <translation>項目を削除</translation>
    </message>
    <message>
        <source>Do you really want to remove %1 item(s)?</source>
        <translation>%1 個の項目を削除してもよろしいですか?</translation>
    </message>
    <message>
        <source>Failed to remove the item(s)</source>
        <translation>項目を削除できませんでした</translation>
    </message>
    <message>
        <source>Copying items...</source>
        <translation>項目をコピーしています...</translation>
    </message>
    <message>
        <source>Moving items...</source>
        <translation>項目を移動しています...</translation>
    </message>
    <message>
        <source>Failed to move movie</source>
        <translation>ムービーを移動できませんでした</translation>
    </message>
    <message>
        <source>%1 item(s) copied</source>
        <translation>%1 個の項目をコピーしました</translation>
    </message>
    <message>
        <source>%1 item(s) moved</source>
        <translation>%1 個の項目を移動しました</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a link to a folder elsewhere. It is kept, so that what that folder holds is not removed with it.</source>
        <translation>「%1」は別の場所にあるフォルダへのリンクです。そのフォルダの中身が一緒に削除されないよう、リンクは残されます。</translation>
    </message>
</context>
<context>
    <name>ProjectsWidget</name>
    <message>
        <source>Movies</source>
        <translation>ムービー</translation>
    </message>
    <message>
        <source>Open Movie Failed</source>
        <translation>ムービーを開けませんでした</translation>
    </message>
    <message>
        <source>This movie is damaged, you cannot open it.</source>
        <translation>このムービーは破損しているため、開くことができません。</translation>
    </message>
    <message>
        <source>Open Failed</source>
        <translation>開けませんでした</translation>
    </message>
    <message>
        <source>This project cannot be opened at this time.</source>
        <translation>現在このプロジェクトを開くことはできません。</translation>
    </message>
    <message>
        <source>Failed to open project file</source>
        <translation>プロジェクトファイルを開けませんでした</translation>
    </message>
    <message>
        <source>Import Project</source>
        <translation>プロジェクトを読み込む</translation>
    </message>
    <message>
        <source>Do you want to import project &quot;%1&quot; into Vidorna?</source>
        <translation>プロジェクト「%1」を Vidorna に読み込みますか?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>読み込む</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>編集</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>Import...</source>
        <translation>読み込み...</translation>
    </message>
    <message>
        <source>Import project</source>
        <translation>プロジェクトを読み込む</translation>
    </message>
    <message>
        <source>Create a new folder</source>
        <translation>新しいフォルダーを作成</translation>
    </message>
    <message>
        <source>Copy selected items to folder</source>
        <translation>選択した項目をフォルダーにコピー</translation>
    </message>
    <message>
        <source>Move selected items to folder</source>
        <translation>選択した項目をフォルダーに移動</translation>
    </message>
    <message>
        <source>Delete selected items</source>
        <translation>選択した項目を削除</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>(%1 Items)</source>
        <translation>(%1 個の項目)</translation>
    </message>
    <message>
        <source>(1 Item)</source>
        <translation>(1 個の項目)</translation>
    </message>
    <message>
        <source>(Empty)</source>
        <translation>(空)</translation>
    </message>
</context>
<context>
    <name>ResourceAssetsWidget</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
</context>
<context>
    <name>RoundCornerEditingWidgetController</name>
    <message>
        <source>Round Corner</source>
        <translation>角の丸み</translation>
    </message>
</context>
<context>
    <name>SegmentDraggingOperationWidget</name>
    <message>
        <source>Duplicate</source>
        <translation>複製</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>取り除く</translation>
    </message>
</context>
<context>
    <name>SegmentInspectorWidget</name>
    <message>
        <source>Return</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>複製</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>分割</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Add/Edit Transition</source>
        <translation>トランジションの追加/編集</translation>
    </message>
    <message>
        <source>Apply to all segments</source>
        <translation>すべてのセグメントに適用</translation>
    </message>
</context>
<context>
    <name>SegmentOperationDoubleTapTipWidget</name>
    <message>
        <source>Double click a segment to enter into the edit mode. And double click it again to exit from the edit mode.</source>
        <translation>セグメントをダブルクリックすると編集モードに入ります。もう一度ダブルクリックすると編集モードを終了します。</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>了解</translation>
    </message>
</context>
<context>
    <name>SegmentOperationPressAndDragTipWidget</name>
    <message>
        <source>Press and hold on a segment till the yellow frame appears, then you can drag it to the place you want.</source>
        <translation>黄色い枠が表示されるまでセグメントを長押しすると、好きな場所へドラッグできます。</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>了解</translation>
    </message>
</context>
<context>
    <name>SelectionOperationWidget</name>
    <message>
        <source>Cancel selection</source>
        <translation>選択を解除</translation>
    </message>
    <message>
        <source>Insert blank</source>
        <translation>空白を挿入</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
</context>
<context>
    <name>SettingsWidget</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>Video Editor UI Layout</source>
        <translation>ビデオエディターのレイアウト</translation>
    </message>
    <message>
        <source>Default Photo Duration</source>
        <translation>写真の既定の長さ</translation>
    </message>
    <message>
        <source>Default Text Duration</source>
        <translation>テキストの既定の長さ</translation>
    </message>
    <message>
        <source>Default Self-Drawing Duration</source>
        <translation>手描きの既定の長さ</translation>
    </message>
    <message>
        <source>Auto Save/Apply Segment Properties</source>
        <translation>セグメントのプロパティを自動で保存/適用</translation>
    </message>
    <message>
        <source>Save segment properties and apply to the newly added segments</source>
        <translation>セグメントのプロパティを保存し、新しく追加するセグメントに適用します</translation>
    </message>
    <message>
        <source>Reset Saved Segment Properties</source>
        <translation>保存したセグメントのプロパティをリセット</translation>
    </message>
    <message>
        <source>Auto Align When Moving Objects</source>
        <translation>オブジェクト移動時に自動で整列</translation>
    </message>
    <message>
        <source>Show guides when moving object to center/edges</source>
        <translation>オブジェクトを中央や端に移動するときにガイドを表示します</translation>
    </message>
    <message>
        <source>Hardware Acceleration</source>
        <translation>ハードウェアアクセラレーション</translation>
    </message>
    <message>
        <source>Working Directory</source>
        <translation>作業フォルダー</translation>
    </message>
    <message>
        <source>Auto Copy Files to Movie Directory</source>
        <translation>ファイルをムービーのフォルダーに自動でコピー</translation>
    </message>
    <message>
        <source>Copy files to project directory when adding media to a movie</source>
        <translation>ムービーにメディアを追加するとき、ファイルをプロジェクトのフォルダーにコピーします</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>デスクトップ</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>クラシック</translation>
    </message>
    <message>
        <source>Enabled: high performance, loss compatibility</source>
        <translation>有効: 高パフォーマンス、互換性は低下</translation>
    </message>
    <message>
        <source>Disabled: better compatibility, loss performance</source>
        <translation>無効: 互換性が向上、パフォーマンスは低下</translation>
    </message>
    <message>
        <source>Do you really want to reset the saved segment properties?</source>
        <translation>保存したセグメントのプロパティを本当にリセットしますか?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>リセット</translation>
    </message>
    <message>
        <source>Segment properties reset successfully</source>
        <translation>セグメントのプロパティをリセットしました</translation>
    </message>
    <message>
        <source>Select working directory</source>
        <translation>作業フォルダーを選択</translation>
    </message>
    <message>
        <source>Close the open movie before changing the working directory.</source>
        <translation>作業フォルダーを変更する前に、開いているムービーを閉じてください。</translation>
    </message>
    <message>
        <source>No movie can be kept in &quot;%1&quot;: the folder &quot;Projects&quot; cannot be created there. Choose another folder.</source>
        <translation>「%1」にはムービーを保存できません: そこに「Projects」フォルダーを作成できません。別のフォルダーを選んでください。</translation>
    </message>
</context>
<context>
    <name>ShadowEditingWidgetController</name>
    <message>
        <source>Shadow</source>
        <translation>影</translation>
    </message>
    <message>
        <source>Radius</source>
        <translation>半径</translation>
    </message>
</context>
<context>
    <name>SpeedEditingWidgetController</name>
    <message>
        <source>Speed</source>
        <translation>速度</translation>
    </message>
</context>
<context>
    <name>StartWindow</name>
    <message>
        <source>Vidorna</source>
        <translation>Vidorna</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>ムービー</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>New Movie...</source>
        <translation>新規ムービー...</translation>
    </message>
    <message>
        <source>New Folder...</source>
        <translation>新規フォルダー...</translation>
    </message>
    <message>
        <source>Import...</source>
        <translation>読み込み...</translation>
    </message>
    <message>
        <source>File</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Vidorna Help</source>
        <translation>Vidorna ヘルプ</translation>
    </message>
    <message>
        <source>Get Vidorna on Smartphones</source>
        <translation>スマートフォン版 Vidorna</translation>
    </message>
    <message>
        <source>Feedback...</source>
        <translation>フィードバック...</translation>
    </message>
    <message>
        <source>About Vidorna</source>
        <translation>Vidorna について</translation>
    </message>
    <message>
        <source>How do you think about Vidorna? What features do you want to see in the next version of Vidorna? Or do you want to report a bug? All about Vidorna, please tell us.







&lt;From Vidorna v%1 on %2 with %3&gt;</source>
        <translation>Vidorna はいかがですか？次のバージョンの Vidorna にどんな機能が欲しいですか？それとも不具合を報告しますか？Vidorna について何でもお聞かせください。







&lt;Vidorna v%1、%2、%3 から送信&gt;</translation>
    </message>
    <message>
        <source>Help Center</source>
        <translation>ヘルプセンター</translation>
    </message>
</context>
<context>
    <name>StrokeBorderEditingWidgetController</name>
    <message>
        <source>Border Size &amp; Color</source>
        <translation>枠線のサイズと色</translation>
    </message>
    <message>
        <source>Tolerance</source>
        <translation>許容範囲</translation>
    </message>
    <message>
        <source>Intensity</source>
        <translation>強さ</translation>
    </message>
    <message>
        <source>Stroke</source>
        <translation>縁取り</translation>
    </message>
</context>
<context>
    <name>TabsMediaExplorerWidget</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
    <message>
        <source>Local Files</source>
        <translation>ローカルファイル</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>音楽</translation>
    </message>
    <message>
        <source>Sound FX</source>
        <translation>効果音</translation>
    </message>
    <message>
        <source>Stickers</source>
        <translation>ステッカー</translation>
    </message>
    <message>
        <source>GIPHY</source>
        <translation>GIPHY</translation>
    </message>
</context>
<context>
    <name>TextAlignmentEditingWidget</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
</context>
<context>
    <name>TextBackEditingWidgetController</name>
    <message>
        <source>Text Background</source>
        <translation>テキストの背景</translation>
    </message>
    <message>
        <source>Spacing</source>
        <translation>余白</translation>
    </message>
    <message>
        <source>Round Corner</source>
        <translation>角の丸み</translation>
    </message>
</context>
<context>
    <name>TextFontEditingWidget</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
</context>
<context>
    <name>TextSizeEditingWidgetController</name>
    <message>
        <source>Text Size &amp; Color</source>
        <translation>テキストのサイズと色</translation>
    </message>
</context>
<context>
    <name>TextureGridWidget</name>
    <message>
        <source>Custom Picture...</source>
        <translation>カスタム画像...</translation>
    </message>
    <message>
        <source>Open a Picture</source>
        <translation>画像を開く</translation>
    </message>
</context>
<context>
    <name>TransitionsEditingWidget</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
    <message>
        <source>Transitions</source>
        <translation>トランジション</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>長さ</translation>
    </message>
    <message>
        <source>Add Transition</source>
        <translation>トランジションを追加</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>複製</translation>
    </message>
    <message>
        <source>Easing type</source>
        <translation>イージングの種類</translation>
    </message>
    <message>
        <source>End</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Press &quot;+&quot; to add a transition</source>
        <translation>「+」を押してトランジションを追加</translation>
    </message>
</context>
<context>
    <name>TransparencyEditingWidgetController</name>
    <message>
        <source>Transparency</source>
        <translation>透明度</translation>
    </message>
</context>
<context>
    <name>Util</name>
    <message>
        <source>Help Center</source>
        <translation>ヘルプセンター</translation>
    </message>
    <message>
        <source>No web browser could be opened for the help pages. You can read them at this address:</source>
        <translation>ヘルプページを表示するウェブブラウザーを開けませんでした。次のアドレスでお読みいただけます:</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 バイト</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>今日</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>ステレオ</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>モノラル</translation>
    </message>
    <message>
        <source>All video files (*.mp4 *.mov *.m4v *.avi *.wmv *.asf *.mkv *.3gp *.mpg *.mpeg *.dat *.m2v *.vob *.rm *.rmvb *.webm)</source>
        <translation>すべてのビデオファイル (*.mp4 *.mov *.m4v *.avi *.wmv *.asf *.mkv *.3gp *.mpg *.mpeg *.dat *.m2v *.vob *.rm *.rmvb *.webm)</translation>
    </message>
    <message>
        <source>All picture files (*.png *.gif *.jpg *.jpeg *.bmp *.dib *.pbm *.pgm *.ppm *.xbm *.xpm *.svg *.tiff *.tif *.webp *.heic)</source>
        <translation>すべての画像ファイル (*.png *.gif *.jpg *.jpeg *.bmp *.dib *.pbm *.pgm *.ppm *.xbm *.xpm *.svg *.tiff *.tif *.webp *.heic)</translation>
    </message>
    <message>
        <source>All music files (*.mp3 *.wav *.m4a *.mid *.wma *.vqf *.ra)</source>
        <translation>すべての音楽ファイル (*.mp3 *.wav *.m4a *.mid *.wma *.vqf *.ra)</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 KB</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>%1 GB</source>
        <translation>%1 GB</translation>
    </message>
    <message>
        <source>M/d</source>
        <extracomment>Date format (QDateTime::toString) of a date in the current year: month/day.</extracomment>
        <translation>M/d</translation>
    </message>
    <message>
        <source>M/d/yyyy</source>
        <extracomment>Date format (QDateTime::toString) of a date in another year: month/day/year.</extracomment>
        <translation>yyyy/M/d</translation>
    </message>
    <message>
        <source>Unknown codec</source>
        <translation>不明なコーデック</translation>
    </message>
    <message>
        <source>%1, %2, %3 Hz</source>
        <extracomment>Audio stream: codec, channels (Stereo or Mono), sample rate.</extracomment>
        <translation>%1、%2、%3 Hz</translation>
    </message>
    <message>
        <source>%1, %2 x %3</source>
        <extracomment>Video stream: codec, width, height in pixels.</extracomment>
        <translation>%1、%2 x %3</translation>
    </message>
</context>
<context>
    <name>VideoUtilitiesEditingWidget</name>
    <message>
        <source>Video Utilities</source>
        <translation>ビデオツール</translation>
    </message>
    <message>
        <source>Grab image from video</source>
        <translation>ビデオから画像を取り込む</translation>
    </message>
</context>
<context>
    <name>VolumeEditingWidgetController</name>
    <message>
        <source>Volume</source>
        <translation>音量</translation>
    </message>
</context>
</TS>
