<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Vidorna</source>
        <translation>關於 Vidorna</translation>
    </message>
    <message>
        <source>Homepage</source>
        <translation>官方網站</translation>
    </message>
    <message>
        <source>Copyright © 2026 Peltrane Software.</source>
        <translation>Copyright © 2026 Peltrane Software.</translation>
    </message>
    <message>
        <source>All rights reserved.</source>
        <translation>保留所有權利。</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>版本 %1</translation>
    </message>
</context>
<context>
    <name>BorderEditingWidgetController</name>
    <message>
        <source>Border Size &amp; Color</source>
        <translation>邊框大小和顏色</translation>
    </message>
</context>
<context>
    <name>CameraDialog</name>
    <message>
        <source>No camera</source>
        <translation>無攝影機</translation>
    </message>
    <message>
        <source>Opening camera...</source>
        <translation>正在開啟攝影機...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Retake</source>
        <translation>重拍</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>使用</translation>
    </message>
    <message>
        <source>Capture video</source>
        <translation>錄製影片</translation>
    </message>
    <message>
        <source>Capture still image</source>
        <translation>拍攝相片</translation>
    </message>
    <message>
        <source>Toggle Capture Type
Current: %1</source>
        <translation>切換拍攝類型
目前：%1</translation>
    </message>
    <message>
        <source>Capture Error</source>
        <translation>拍攝錯誤</translation>
    </message>
    <message>
        <source>The recording was not saved.</source>
        <translation>錄製內容未能儲存。</translation>
    </message>
    <message>
        <source>Camera Error</source>
        <translation>攝影機錯誤</translation>
    </message>
    <message>
        <source>Image Capture Error</source>
        <translation>拍照錯誤</translation>
    </message>
</context>
<context>
    <name>CanvasWidget</name>
    <message>
        <source>Edit Text</source>
        <translation>編輯文字</translation>
    </message>
    <message>
        <source>Add Text</source>
        <translation>新增文字</translation>
    </message>
    <message>
        <source>Enter text here</source>
        <translation>在此輸入文字</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Insert a Picture</source>
        <translation>插入圖片</translation>
    </message>
</context>
<context>
    <name>CommonMainWindow</name>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
</context>
<context>
    <name>CrashHandler</name>
    <message>
        <source>App crash catched!</source>
        <translation>應用程式當機了！</translation>
    </message>
    <message>
        <source>%1: 0x%2</source>
        <translation>%1：0x%2</translation>
    </message>
    <message>
        <source>Error code</source>
        <translation>錯誤代碼</translation>
    </message>
    <message>
        <source>Error address</source>
        <translation>錯誤位址</translation>
    </message>
    <message>
        <source>Crash report &apos;%1&apos; has been saved to %2</source>
        <translation>當機報告「%1」已儲存至 %2</translation>
    </message>
    <message>
        <source>Crash Occurs</source>
        <translation>發生當機</translation>
    </message>
</context>
<context>
    <name>CropAreaWidget</name>
    <message>
        <source>Feathering %1%</source>
        <translation>羽化 %1%</translation>
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
        <translation>匯出影片</translation>
    </message>
    <message>
        <source>Fullscreen Preview</source>
        <translation>全螢幕預覽</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>隱藏</translation>
    </message>
    <message>
        <source>MainWindow</source>
        <translation>主視窗</translation>
    </message>
    <message>
        <source>Movie configuration</source>
        <translation>影片設定</translation>
    </message>
    <message>
        <source>Next position</source>
        <translation>下一個位置</translation>
    </message>
    <message>
        <source>No editing segment</source>
        <translation>沒有正在編輯的片段</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>播放/暫停</translation>
    </message>
    <message>
        <source>Preview Resolution</source>
        <translation>預覽解析度</translation>
    </message>
    <message>
        <source>Preview Scale</source>
        <translation>預覽縮放</translation>
    </message>
    <message>
        <source>Preview resolution</source>
        <translation>預覽解析度</translation>
    </message>
    <message>
        <source>Preview scale</source>
        <translation>預覽縮放</translation>
    </message>
    <message>
        <source>Previous position</source>
        <translation>上一個位置</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>復原</translation>
    </message>
    <message>
        <source>File</source>
        <translation>檔案</translation>
    </message>
    <message>
        <source>Save &amp;&amp; Close</source>
        <translation>儲存並關閉</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>編輯</translation>
    </message>
    <message>
        <source>View</source>
        <translation>檢視</translation>
    </message>
    <message>
        <source>Media Explorer</source>
        <translation>媒體瀏覽器</translation>
    </message>
    <message>
        <source>Segment Inspector</source>
        <translation>片段檢閱器</translation>
    </message>
    <message>
        <source>Segment</source>
        <translation>片段</translation>
    </message>
    <message>
        <source>Transition</source>
        <translation>轉場</translation>
    </message>
    <message>
        <source>Movie</source>
        <translation>影片</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>說明</translation>
    </message>
    <message>
        <source>Vidorna Help</source>
        <translation>Vidorna 說明</translation>
    </message>
    <message>
        <source>Get Vidorna on Smartphones</source>
        <translation>取得手機版 Vidorna</translation>
    </message>
    <message>
        <source>About Vidorna</source>
        <translation>關於 Vidorna</translation>
    </message>
    <message>
        <source>Cropping...</source>
        <translation>正在裁切...</translation>
    </message>
    <message>
        <source>Editing...</source>
        <translation>正在編輯...</translation>
    </message>
    <message>
        <source>Drawing...</source>
        <translation>正在繪製...</translation>
    </message>
    <message>
        <source>Linear</source>
        <translation>線性</translation>
    </message>
    <message>
        <source>%1</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>%1 In</source>
        <translation>%1 漸入</translation>
    </message>
    <message>
        <source>%1 Out</source>
        <translation>%1 漸出</translation>
    </message>
    <message>
        <source>%1 InOut</source>
        <translation>%1 漸入漸出</translation>
    </message>
    <message>
        <source>Smooth</source>
        <translation>平滑</translation>
    </message>
    <message>
        <source>Circular</source>
        <translation>圓形</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>回彈</translation>
    </message>
    <message>
        <source>Elastic</source>
        <translation>彈性</translation>
    </message>
    <message>
        <source>Bounce</source>
        <translation>彈跳</translation>
    </message>
</context>
<context>
    <name>DoneButtonEditingWidget</name>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
</context>
<context>
    <name>DrawingCommonToolsWidget</name>
    <message>
        <source>Free Pencil</source>
        <translation>自由鉛筆</translation>
    </message>
    <message>
        <source>Spray</source>
        <translation>噴槍</translation>
    </message>
    <message>
        <source>Texture</source>
        <translation>紋理</translation>
    </message>
    <message>
        <source>Eraser</source>
        <translation>橡皮擦</translation>
    </message>
    <message>
        <source>Clear Painting</source>
        <translation>清除繪畫</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>復原</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>重做</translation>
    </message>
    <message>
        <source>Line Width</source>
        <translation>線寬</translation>
    </message>
    <message>
        <source>Straight Line</source>
        <translation>直線</translation>
    </message>
    <message>
        <source>Rectangle Outline</source>
        <translation>矩形外框</translation>
    </message>
    <message>
        <source>Filled Rectangle</source>
        <translation>填滿矩形</translation>
    </message>
    <message>
        <source>Round Rectangle Outline</source>
        <translation>圓角矩形外框</translation>
    </message>
    <message>
        <source>Filled Round Rectangle</source>
        <translation>填滿圓角矩形</translation>
    </message>
    <message>
        <source>Circle Outline</source>
        <translation>圓形外框</translation>
    </message>
    <message>
        <source>Filled Circle</source>
        <translation>填滿圓形</translation>
    </message>
    <message>
        <source>Ellipse Outline</source>
        <translation>橢圓外框</translation>
    </message>
    <message>
        <source>Filled Ellipse</source>
        <translation>填滿橢圓</translation>
    </message>
    <message>
        <source>Triangle Outline</source>
        <translation>三角形外框</translation>
    </message>
    <message>
        <source>Filled Triangle</source>
        <translation>填滿三角形</translation>
    </message>
    <message>
        <source>Rhombus Outline</source>
        <translation>菱形外框</translation>
    </message>
    <message>
        <source>Filled Rhombus</source>
        <translation>填滿菱形</translation>
    </message>
    <message>
        <source>Pentagram Outline</source>
        <translation>五角星外框</translation>
    </message>
    <message>
        <source>Filled Pentagram</source>
        <translation>填滿五角星</translation>
    </message>
    <message>
        <source>Pentagon Outline</source>
        <translation>五邊形外框</translation>
    </message>
    <message>
        <source>Filled Pentagon</source>
        <translation>填滿五邊形</translation>
    </message>
    <message>
        <source>Heart Outline</source>
        <translation>心形外框</translation>
    </message>
    <message>
        <source>Filled Heart</source>
        <translation>填滿心形</translation>
    </message>
    <message>
        <source>Save to Album</source>
        <translation>儲存到相簿</translation>
    </message>
    <message>
        <source>Insert Text</source>
        <translation>插入文字</translation>
    </message>
    <message>
        <source>Insert Picture</source>
        <translation>插入圖片</translation>
    </message>
    <message>
        <source>Stroke Hardness</source>
        <translation>筆觸硬度</translation>
    </message>
    <message>
        <source>Linear Gradient</source>
        <translation>線性漸層</translation>
    </message>
    <message>
        <source>Radial Gradient</source>
        <translation>放射狀漸層</translation>
    </message>
    <message>
        <source>Switch between pencil and eraser</source>
        <translation>在鉛筆和橡皮擦之間切換</translation>
    </message>
    <message>
        <source>Dashed Line</source>
        <translation>虛線</translation>
    </message>
    <message>
        <source>Dotted Line</source>
        <translation>點線</translation>
    </message>
    <message>
        <source>Arrow Line</source>
        <translation>箭頭線</translation>
    </message>
</context>
<context>
    <name>DrawingTuningWidget</name>
    <message>
        <source>Form</source>
        <translation>表單</translation>
    </message>
    <message>
        <source>Select picture</source>
        <translation>選擇圖片</translation>
    </message>
    <message>
        <source>Picture size</source>
        <translation>圖片大小</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>Change text</source>
        <translation>變更文字</translation>
    </message>
    <message>
        <source>Text alignment</source>
        <translation>文字對齊</translation>
    </message>
    <message>
        <source>Text size</source>
        <translation>文字大小</translation>
    </message>
    <message>
        <source>Text font</source>
        <translation>文字字型</translation>
    </message>
    <message>
        <source>Line width</source>
        <translation>線寬</translation>
    </message>
    <message>
        <source>Hardness</source>
        <translation>硬度</translation>
    </message>
    <message>
        <source>Text Size</source>
        <translation>文字大小</translation>
    </message>
    <message>
        <source>Picture Size</source>
        <translation>圖片大小</translation>
    </message>
</context>
<context>
    <name>EditButtonEditingWidget</name>
    <message>
        <source>Edit</source>
        <translation>編輯</translation>
    </message>
</context>
<context>
    <name>EditButtonEditingWidgetController</name>
    <message>
        <source>Text</source>
        <translation>文字</translation>
    </message>
    <message>
        <source>Edit Text</source>
        <translation>編輯文字</translation>
    </message>
    <message>
        <source>Self-Draw</source>
        <translation>手繪</translation>
    </message>
    <message>
        <source>Edit Drawing</source>
        <translation>編輯繪圖</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>照片</translation>
    </message>
    <message>
        <source>Change Photo</source>
        <translation>更換照片</translation>
    </message>
</context>
<context>
    <name>EditableGradientWidget</name>
    <message>
        <source>Choose Color</source>
        <translation>選擇顏色</translation>
    </message>
    <message>
        <source>No Color</source>
        <translation>無顏色</translation>
    </message>
</context>
<context>
    <name>FullscreenControlWidget</name>
    <message>
        <source>Form</source>
        <translation>表單</translation>
    </message>
    <message>
        <source>Previous position</source>
        <translation>上一個位置</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>播放/暫停</translation>
    </message>
    <message>
        <source>Next position</source>
        <translation>下一個位置</translation>
    </message>
    <message>
        <source>Exit fullscreen</source>
        <translation>結束全螢幕</translation>
    </message>
</context>
<context>
    <name>GeometryEditingWidget</name>
    <message>
        <source>Geometry</source>
        <translation>幾何</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>W</source>
        <translation>寬</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>H</source>
        <translation>高</translation>
    </message>
    <message>
        <source>Rotate Clockwise</source>
        <translation>順時針旋轉</translation>
    </message>
    <message>
        <source>Rotate Counterclockwise</source>
        <translation>逆時針旋轉</translation>
    </message>
    <message>
        <source>Crop &amp; Feathering</source>
        <translation>裁切與羽化</translation>
    </message>
    <message>
        <source>Flip Horizontally</source>
        <translation>水平翻轉</translation>
    </message>
    <message>
        <source>Flip Vertically</source>
        <translation>垂直翻轉</translation>
    </message>
    <message>
        <source>Maintain aspect ratio</source>
        <translation>保持長寬比</translation>
    </message>
    <message>
        <source>Restore the default</source>
        <translation>還原預設值</translation>
    </message>
    <message>
        <source>Perspective (Four-point positioning)</source>
        <translation>透視（四點定位）</translation>
    </message>
    <message>
        <source>Top Left Corner</source>
        <translation>左上角</translation>
    </message>
    <message>
        <source>Top Right Corner</source>
        <translation>右上角</translation>
    </message>
    <message>
        <source>Bottom Right Corner</source>
        <translation>右下角</translation>
    </message>
    <message>
        <source>Bottom Left Corner</source>
        <translation>左下角</translation>
    </message>
</context>
<context>
    <name>GiphyGifsWidget</name>
    <message>
        <source>Form</source>
        <translation>表單</translation>
    </message>
    <message>
        <source>Search GIPHY</source>
        <translation>搜尋 GIPHY</translation>
    </message>
    <message>
        <source>Network error (code=%1)</source>
        <translation>網路錯誤 (代碼=%1)</translation>
    </message>
    <message>
        <source>Network error (code=%1 %2)</source>
        <translation>網路錯誤 (代碼=%1 %2)</translation>
    </message>
    <message>
        <source>Network failed (Status code=%1)</source>
        <translation>網路請求失敗 (狀態碼=%1)</translation>
    </message>
    <message>
        <source>Parse data error (code=%1)</source>
        <translation>資料解析錯誤 (代碼=%1)</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>重新整理</translation>
    </message>
    <message>
        <source>Downloading file...</source>
        <translation>正在下載檔案...</translation>
    </message>
    <message>
        <source>Download error (code=%1)</source>
        <translation>下載錯誤 (代碼=%1)</translation>
    </message>
</context>
<context>
    <name>HorizontalMediaExplorerWidget</name>
    <message>
        <source>Form</source>
        <translation>表單</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>返回</translation>
    </message>
    <message>
        <source>Show pictures only</source>
        <translation>僅顯示圖片</translation>
    </message>
    <message>
        <source>Show videos only</source>
        <translation>僅顯示影片</translation>
    </message>
    <message>
        <source>Show music only</source>
        <translation>僅顯示音樂</translation>
    </message>
    <message>
        <source>Show media from the system Photos and Music app</source>
        <translation>顯示系統照片與音樂 App 中的媒體</translation>
    </message>
    <message>
        <source>Show media from the In-App Library</source>
        <translation>顯示 App 內素材庫中的媒體</translation>
    </message>
    <message>
        <source>Show media from the Local Files (iTunes File Sharing) folder</source>
        <translation>顯示本機檔案（iTunes 檔案共享）資料夾中的媒體</translation>
    </message>
</context>
<context>
    <name>LocalFilesWidget</name>
    <message>
        <source>Form</source>
        <translation>表單</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>影片</translation>
    </message>
    <message>
        <source>All</source>
        <translation>全部</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>影片</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>圖片</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>音訊</translation>
    </message>
    <message>
        <source>Directory not found</source>
        <translation>找不到資料夾</translation>
    </message>
    <message>
        <source>Select Directory...</source>
        <translation>選擇資料夾...</translation>
    </message>
    <message>
        <source>Select Directory</source>
        <translation>選擇資料夾</translation>
    </message>
    <message>
        <source>Icon Mode</source>
        <translation>圖示模式</translation>
    </message>
    <message>
        <source>List Mode</source>
        <translation>清單模式</translation>
    </message>
    <message>
        <source>Show in File Explorer</source>
        <translation>在檔案總管中顯示</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Maintain aspect ratio</source>
        <translation>保持長寬比</translation>
    </message>
    <message>
        <source>Restore the default</source>
        <translation>還原預設值</translation>
    </message>
    <message>
        <source>Fill the screen</source>
        <translation>填滿螢幕</translation>
    </message>
    <message>
        <source>Edit Text</source>
        <translation>編輯文字</translation>
    </message>
    <message>
        <source>Original Size</source>
        <translation>原始大小</translation>
    </message>
    <message>
        <source>Edit Drawing</source>
        <translation>編輯繪圖</translation>
    </message>
    <message>
        <source>Editing properties applied to all %1 segments</source>
        <translation>已將編輯屬性套用至所有%1片段</translation>
    </message>
    <message>
        <source>video</source>
        <translation>影片</translation>
    </message>
    <message>
        <source>image</source>
        <translation>圖片</translation>
    </message>
    <message>
        <source>self-draw</source>
        <translation>手繪</translation>
    </message>
    <message>
        <source>text</source>
        <translation>文字</translation>
    </message>
    <message>
        <source>music</source>
        <translation>音樂</translation>
    </message>
    <message>
        <source>voice</source>
        <translation>語音</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>復原</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>重做</translation>
    </message>
    <message>
        <source>Enter Range Selection</source>
        <translation>進入範圍選取</translation>
    </message>
    <message>
        <source>Toggle Insert/Overwite Mode</source>
        <translation>切換插入/覆寫模式</translation>
    </message>
    <message>
        <source>Finish Editing</source>
        <translation>完成編輯</translation>
    </message>
    <message>
        <source>Edit Transitions</source>
        <translation>編輯轉場</translation>
    </message>
    <message>
        <source>Finish Editing Transitions</source>
        <translation>完成轉場編輯</translation>
    </message>
    <message>
        <source>Cancel Range Selection</source>
        <translation>取消範圍選取</translation>
    </message>
    <message>
        <source>Overwrite Mode On</source>
        <translation>覆寫模式已開啟</translation>
    </message>
    <message>
        <source>Insert Mode On</source>
        <translation>插入模式已開啟</translation>
    </message>
    <message>
        <source>Toggle Insert/Overwrite Mode
Current: Overwrite mode</source>
        <translation>切換插入/覆寫模式
目前：覆寫模式</translation>
    </message>
    <message>
        <source>Toggle Insert/Overwrite Mode
Current: Insert mode</source>
        <translation>切換插入/覆寫模式
目前：插入模式</translation>
    </message>
    <message>
        <source>Unable to undo temporarily</source>
        <translation>暫時無法復原</translation>
    </message>
    <message>
        <source>Unable to redo temporarily</source>
        <translation>暫時無法重做</translation>
    </message>
    <message>
        <source>Toggle Fullscreen</source>
        <translation>切換全螢幕</translation>
    </message>
    <message>
        <source>Add File...</source>
        <translation>新增檔案...</translation>
    </message>
    <message>
        <source>Add from Camera...</source>
        <translation>從相機新增...</translation>
    </message>
    <message>
        <source>Add from Microphone...</source>
        <translation>從麥克風新增...</translation>
    </message>
    <message>
        <source>Add Text</source>
        <translation>新增文字</translation>
    </message>
    <message>
        <source>Add Self-Draw</source>
        <translation>新增手繪</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>編輯</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>複製</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>分割</translation>
    </message>
    <message>
        <source>Add Transition</source>
        <translation>新增轉場</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>刪除</translation>
    </message>
    <message>
        <source>Edit Transition</source>
        <translation>編輯轉場</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>播放/暫停</translation>
    </message>
    <message>
        <source>Next Position</source>
        <translation>下一個位置</translation>
    </message>
    <message>
        <source>Previous Position</source>
        <translation>上一個位置</translation>
    </message>
    <message>
        <source>Export &amp;&amp; Share</source>
        <translation>匯出與&amp;&amp;分享</translation>
    </message>
    <message>
        <source>Configuration...</source>
        <translation>設定...</translation>
    </message>
    <message>
        <source>Open properties error occurs (%1)</source>
        <translation>開啟屬性時發生錯誤 (%1)</translation>
    </message>
    <message>
        <source>Opening...</source>
        <translation>正在開啟...</translation>
    </message>
    <message>
        <source>Open project error occurs (%1)</source>
        <translation>開啟專案時發生錯誤 (%1)</translation>
    </message>
    <message>
        <source>Convert Project Failed</source>
        <translation>轉換專案失敗</translation>
    </message>
    <message>
        <source>Open Project Failed</source>
        <translation>開啟專案失敗</translation>
    </message>
    <message>
        <source>Current movie project is damaged.</source>
        <translation>目前的影片專案已損毀。</translation>
    </message>
    <message>
        <source>Higher Version Project</source>
        <translation>較新版本的專案</translation>
    </message>
    <message>
        <source>Vidorna can not open the higher version movie project. Please update Vidorna to the latest version.</source>
        <translation>Vidorna 無法開啟較新版本的影片專案。請將 Vidorna 更新至最新版本。</translation>
    </message>
    <message>
        <source>Failed to save movie</source>
        <translation>儲存影片失敗</translation>
    </message>
    <message>
        <source>The movie project cannot be read: %1</source>
        <translation>無法讀取影片專案：%1</translation>
    </message>
    <message>
        <source>The changes could not be saved: %1</source>
        <translation>無法儲存變更：%1</translation>
    </message>
    <message>
        <source>If you close without saving, the changes are lost. Keep the window open to try again.</source>
        <translation>如果不儲存就關閉，變更將會遺失。請保持視窗開啟以便重試。</translation>
    </message>
    <message>
        <source>Keep Open</source>
        <translation>保持開啟</translation>
    </message>
    <message>
        <source>Close Without Saving</source>
        <translation>關閉而不儲存</translation>
    </message>
    <message>
        <source>Load Error</source>
        <translation>載入錯誤</translation>
    </message>
    <message>
        <source>File Not Found</source>
        <translation>找不到檔案</translation>
    </message>
    <message>
        <source>No audio contained</source>
        <translation>不包含音訊</translation>
    </message>
    <message>
        <source>Failed to record operation</source>
        <translation>無法記錄操作</translation>
    </message>
    <message>
        <source>No operation to undo</source>
        <translation>沒有可復原的操作</translation>
    </message>
    <message>
        <source>No operation to redo</source>
        <translation>沒有可重做的操作</translation>
    </message>
    <message>
        <source>The operation to undo could not be read</source>
        <translation>無法讀取要復原的操作</translation>
    </message>
    <message>
        <source>The operation to redo could not be read</source>
        <translation>無法讀取要重做的操作</translation>
    </message>
    <message>
        <source>Edits that could not be recorded were undone too</source>
        <translation>無法記錄的編輯也已一併復原</translation>
    </message>
    <message>
        <source>Help Center</source>
        <translation>說明中心</translation>
    </message>
    <message>
        <source>Custom Transition</source>
        <translation>自訂轉場</translation>
    </message>
    <message>
        <source>Fade In &amp;&amp; Fade Out</source>
        <translation>淡入 &amp;&amp; 淡出</translation>
    </message>
    <message>
        <source>Fade In</source>
        <translation>淡入</translation>
    </message>
    <message>
        <source>Fade Out</source>
        <translation>淡出</translation>
    </message>
    <message>
        <source>Left In &amp;&amp; Right Out</source>
        <translation>從左進入 &amp;&amp; 向右退出</translation>
    </message>
    <message>
        <source>Right In &amp;&amp; Left Out</source>
        <translation>從右進入 &amp;&amp; 向左退出</translation>
    </message>
    <message>
        <source>Left In</source>
        <translation>從左進入</translation>
    </message>
    <message>
        <source>Left Out</source>
        <translation>向左退出</translation>
    </message>
    <message>
        <source>Right In</source>
        <translation>從右進入</translation>
    </message>
    <message>
        <source>Right Out</source>
        <translation>向右退出</translation>
    </message>
    <message>
        <source>Up In &amp;&amp; Down Out</source>
        <translation>從上進入 &amp;&amp; 向下退出</translation>
    </message>
    <message>
        <source>Down In &amp;&amp; Up Out</source>
        <translation>從下進入 &amp;&amp; 向上退出</translation>
    </message>
    <message>
        <source>Up In</source>
        <translation>從上進入</translation>
    </message>
    <message>
        <source>Up Out</source>
        <translation>向上退出</translation>
    </message>
    <message>
        <source>Down In</source>
        <translation>從下進入</translation>
    </message>
    <message>
        <source>Down Out</source>
        <translation>向下退出</translation>
    </message>
    <message>
        <source>Shrink In &amp;&amp; Shrink Out</source>
        <translation>縮小進入 &amp;&amp; 縮小退出</translation>
    </message>
    <message>
        <source>Grow In &amp;&amp; Grow Out</source>
        <translation>放大進入 &amp;&amp; 放大退出</translation>
    </message>
    <message>
        <source>Shrink In</source>
        <translation>縮小進入</translation>
    </message>
    <message>
        <source>Shrink Out</source>
        <translation>縮小退出</translation>
    </message>
    <message>
        <source>Grow In</source>
        <translation>放大進入</translation>
    </message>
    <message>
        <source>Grow Out</source>
        <translation>放大退出</translation>
    </message>
    <message>
        <source>Open In &amp;&amp; Close Out</source>
        <translation>展開進入 &amp;&amp; 閉合退出</translation>
    </message>
    <message>
        <source>Open In</source>
        <translation>展開進入</translation>
    </message>
    <message>
        <source>Close Out</source>
        <translation>閉合退出</translation>
    </message>
    <message>
        <source>Wipe In &amp;&amp; Wipe Out</source>
        <translation>擦除進入 &amp;&amp; 擦除退出</translation>
    </message>
    <message>
        <source>Wipe In</source>
        <translation>擦除進入</translation>
    </message>
    <message>
        <source>Wipe Out</source>
        <translation>擦除退出</translation>
    </message>
    <message>
        <source>No enough space for another transition</source>
        <translation>沒有足夠的空間新增其他轉場</translation>
    </message>
    <message>
        <source>Easing type applied to all transitions</source>
        <translation>已將緩動類型套用至所有轉場</translation>
    </message>
    <message>
        <source>Move timeline to the position to split</source>
        <translation>請將時間軸移動到要分割的位置</translation>
    </message>
    <message>
        <source>How to deal with the existing transition(s)?</source>
        <translation>如何處理現有的轉場？</translation>
    </message>
    <message>
        <source>Duplicate and shorten the transition(s)</source>
        <translation>複製並縮短轉場</translation>
    </message>
    <message>
        <source>Don&apos;t shorten the transition(s)</source>
        <translation>不縮短轉場</translation>
    </message>
    <message>
        <source>Move timeline to the position to grab image</source>
        <translation>請將時間軸移動到要擷取畫面的位置</translation>
    </message>
    <message>
        <source>Save image failed</source>
        <translation>儲存圖片失敗</translation>
    </message>
    <message>
        <source>Image saved to Pictures successfully</source>
        <translation>圖片已成功儲存到「圖片」</translation>
    </message>
    <message>
        <source>Please wait a moment</source>
        <translation>請稍候</translation>
    </message>
    <message>
        <source>No content to export</source>
        <translation>沒有可匯出的內容</translation>
    </message>
    <message>
        <source>The preview did not stop in time. Please try again.</source>
        <translation>預覽未能及時停止，請再試一次。</translation>
    </message>
    <message>
        <source>Create video failed</source>
        <translation>建立影片失敗</translation>
    </message>
    <message>
        <source>The movie cannot be saved in &quot;%1&quot; because that folder cannot be written to. Please choose another location.</source>
        <translation>無法將影片儲存到「%1」，因為該資料夾無法寫入。請選擇其他位置。</translation>
    </message>
    <message>
        <source>The movie file could not be created in &quot;%1&quot;. Please make sure that this folder can be written to and that the disk has free space.</source>
        <translation>無法在「%1」中建立影片檔案。請確認該資料夾可以寫入且磁碟有可用空間。</translation>
    </message>
    <message>
        <source>The movie could not be finished in &quot;%1&quot; because its unfinished file was moved or replaced while it was written. Please export it again.</source>
        <translation>無法在「%1」中完成影片，因為其未完成的檔案在寫入期間被移動或取代。請重新匯出。</translation>
    </message>
    <message>
        <source>The movie could not be saved as &quot;%1&quot; because another file took that name while the movie was written. That file was left as it is: please move it away and export again.</source>
        <translation>無法將影片儲存為「%1」，因為在寫入影片期間另一個檔案佔用了該名稱。該檔案保持原樣：請將其移走，然後重新匯出。</translation>
    </message>
    <message>
        <source>The movie could not be written in &quot;%1&quot; because the disk is full. Please free some space on that disk and export again.</source>
        <translation>磁碟已滿，無法將影片寫入「%1」。請釋出該磁碟上的空間，然後重新匯出。</translation>
    </message>
    <message>
        <source>The movie could not be written in &quot;%1&quot; because that folder can no longer be written to. Please make sure that it can be written to and export again.</source>
        <translation>無法將影片寫入「%1」，因為該資料夾已無法寫入。請確認該資料夾可以寫入，然後重新匯出。</translation>
    </message>
    <message>
        <source>The movie could not be copied into &quot;%1&quot; because that folder cannot be written to. Please choose another location and export again.</source>
        <translation>無法將影片複製到「%1」，因為該資料夾無法寫入。請選擇其他位置，然後重新匯出。</translation>
    </message>
    <message>
        <source>The movie could not be copied into &quot;%1&quot; because the disk is full. Please free some space on that disk or choose another location, and export again.</source>
        <translation>磁碟已滿，無法將影片複製到「%1」。請釋出該磁碟上的空間或選擇其他位置，然後重新匯出。</translation>
    </message>
    <message>
        <source>Export canceled</source>
        <translation>已取消匯出</translation>
    </message>
    <message>
        <source>Export Interrupted</source>
        <translation>匯出中斷</translation>
    </message>
    <message>
        <source>Do you want to cancel the exporting?</source>
        <translation>要取消匯出嗎？</translation>
    </message>
    <message>
        <source>Canceling...</source>
        <translation>正在取消...</translation>
    </message>
    <message>
        <source>Saving...</source>
        <translation>正在儲存...</translation>
    </message>
    <message>
        <source>Color settings applied to all %1 segments</source>
        <translation>色彩設定已套用至所有%1片段</translation>
    </message>
    <message>
        <source>Copy file failed</source>
        <translation>複製檔案失敗</translation>
    </message>
    <message>
        <source>Audio from %1</source>
        <translation>來自 %1 的音訊</translation>
    </message>
    <message>
        <source>media</source>
        <translation>媒體</translation>
    </message>
    <message>
        <source>picture</source>
        <translation>圖片</translation>
    </message>
    <message>
        <source>All media files (*.*)</source>
        <translation>所有媒體檔案 (*.*)</translation>
    </message>
    <message>
        <source>Choose %1 file to added into the current movie</source>
        <translation>選擇要加入目前影片的%1檔案</translation>
    </message>
    <message>
        <source>Extract Audio</source>
        <translation>擷取音訊</translation>
    </message>
    <message>
        <source>Copying file...</source>
        <translation>正在複製檔案...</translation>
    </message>
    <message>
        <source>Error Occurs</source>
        <translation>發生錯誤</translation>
    </message>
    <message>
        <source>Cannot move the captured photo file</source>
        <translation>無法移動拍攝的相片檔案</translation>
    </message>
    <message>
        <source>Cannot move the captured video file</source>
        <translation>無法移動錄製的影片檔案</translation>
    </message>
    <message>
        <source>Failed to open SRT file</source>
        <translation>無法開啟 SRT 檔案</translation>
    </message>
    <message>
        <source>No valid subtitles found in SRT file</source>
        <translation>SRT 檔案中沒有有效的字幕</translation>
    </message>
    <message>
        <source>Successfully imported %1 subtitles from SRT file</source>
        <translation>已從 SRT 檔案匯入 %1 則字幕</translation>
    </message>
    <message>
        <source>Add Media</source>
        <translation>新增媒體</translation>
    </message>
    <message>
        <source>Add Video</source>
        <translation>新增影片</translation>
    </message>
    <message>
        <source>Add Picture</source>
        <translation>新增圖片</translation>
    </message>
    <message>
        <source>Add Music</source>
        <translation>新增音樂</translation>
    </message>
    <message>
        <source>Cannot move the recorded sound file</source>
        <translation>無法移動錄製的聲音檔案</translation>
    </message>
    <message>
        <source>Save as Picture</source>
        <translation>另存為圖片</translation>
    </message>
    <message>
        <source>Portable Network Graphics files (*.png)</source>
        <translation>PNG 檔案 (*.png)</translation>
    </message>
    <message>
        <source>Saved OK</source>
        <translation>儲存成功</translation>
    </message>
    <message>
        <source>Save painting failed</source>
        <translation>儲存繪圖失敗</translation>
    </message>
</context>
<context>
    <name>MediaExplorerHelpTipWidget</name>
    <message>
        <source>You can drag a footage from the Media Explorer and drop it directly at the desired location on a track.</source>
        <translation>您可以從媒體瀏覽器拖曳素材，並直接放到軌道上的目標位置。</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>知道了</translation>
    </message>
</context>
<context>
    <name>MediaExplorerWidget</name>
    <message>
        <source>Ambience</source>
        <translation>氛圍</translation>
    </message>
    <message>
        <source>People</source>
        <translation>人物</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>事件</translation>
    </message>
    <message>
        <source>Musical</source>
        <translation>樂器</translation>
    </message>
    <message>
        <source>Transition</source>
        <translation>轉場</translation>
    </message>
    <message>
        <source>Vehicle</source>
        <translation>交通工具</translation>
    </message>
    <message>
        <source>Animal</source>
        <translation>動物</translation>
    </message>
    <message>
        <source>Emoticons</source>
        <translation>表情</translation>
    </message>
    <message>
        <source>Party</source>
        <translation>派對</translation>
    </message>
    <message>
        <source>Love</source>
        <translation>愛心</translation>
    </message>
    <message>
        <source>Comic Words</source>
        <translation>漫畫文字</translation>
    </message>
</context>
<context>
    <name>MediaPreviewControlWidget</name>
    <message>
        <source>Form</source>
        <translation>表單</translation>
    </message>
    <message>
        <source>Close preview</source>
        <translation>關閉預覽</translation>
    </message>
</context>
<context>
    <name>MediaPreviewWidget</name>
    <message>
        <source>Form</source>
        <translation>表單</translation>
    </message>
</context>
<context>
    <name>MultiLanguage</name>
    <message>
        <source>Classic</source>
        <translation>經典</translation>
    </message>
</context>
<context>
    <name>NativeWebBrowserWidget</name>
    <message>
        <source>Back</source>
        <translation>返回</translation>
    </message>
</context>
<context>
    <name>NewVersionDialog</name>
    <message>
        <source>New Version</source>
        <translation>新版本</translation>
    </message>
    <message>
        <source>A new version of Vidorna is available.</source>
        <translation>Vidorna 有新版本可用。</translation>
    </message>
    <message>
        <source>Current version</source>
        <translation>目前版本</translation>
    </message>
    <message>
        <source>New version</source>
        <translation>新版本</translation>
    </message>
    <message>
        <source>Download new version</source>
        <translation>下載新版本</translation>
    </message>
    <message>
        <source>See what&apos;s new</source>
        <translation>查看新功能</translation>
    </message>
</context>
<context>
    <name>PitchEditingWidgetController</name>
    <message>
        <source>Pitch</source>
        <translation>音調</translation>
    </message>
</context>
<context>
    <name>PopupChromaKeyWidget</name>
    <message>
        <source>Chroma Key</source>
        <translation>色度去背</translation>
    </message>
    <message>
        <source>Sensitivity</source>
        <translation>靈敏度</translation>
    </message>
    <message>
        <source>Smoothing</source>
        <translation>平滑度</translation>
    </message>
    <message>
        <source>On/Off</source>
        <translation>開/關</translation>
    </message>
    <message>
        <source>Key Color</source>
        <translation>去背顏色</translation>
    </message>
    <message>
        <source>Restore default values</source>
        <translation>還原預設值</translation>
    </message>
</context>
<context>
    <name>PopupColorMatrixWidget</name>
    <message>
        <source>Recently Used Colors</source>
        <translation>最近使用的顏色</translation>
    </message>
    <message>
        <source>More Colors...</source>
        <translation>更多顏色...</translation>
    </message>
    <message>
        <source>Pick color from preview</source>
        <translation>從預覽中取色</translation>
    </message>
</context>
<context>
    <name>PopupColorsScrollWidget</name>
    <message>
        <source>Colors</source>
        <translation>顏色</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>飽和度</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>亮度</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>對比度</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>色溫</translation>
    </message>
    <message>
        <source>Exposure</source>
        <translation>曝光</translation>
    </message>
    <message>
        <source>Hue</source>
        <translation>色調</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>紅</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>綠</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>藍</translation>
    </message>
    <message>
        <source>Schemes</source>
        <translation>方案</translation>
    </message>
    <message>
        <source>Save as Scheme...</source>
        <translation>另存為方案...</translation>
    </message>
    <message>
        <source>Manage...</source>
        <translation>管理...</translation>
    </message>
    <message>
        <source>Apply to all segments</source>
        <translation>套用至所有片段</translation>
    </message>
    <message>
        <source>Save as Scheme</source>
        <translation>另存為方案</translation>
    </message>
    <message>
        <source>Enter scheme name</source>
        <translation>輸入方案名稱</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>儲存</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Color scheme saved</source>
        <translation>色彩方案已儲存</translation>
    </message>
    <message>
        <source>Cannot save the color scheme</source>
        <translation>無法儲存色彩方案</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>Remove Scheme</source>
        <translation>移除方案</translation>
    </message>
    <message>
        <source>Do you really want to remove scheme &quot;%1&quot;?</source>
        <translation>確定要移除方案「%1」嗎？</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <source>Remove scheme failed</source>
        <translation>移除方案失敗</translation>
    </message>
</context>
<context>
    <name>PopupColorsScrollWidgetEditItemWidget</name>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
</context>
<context>
    <name>PopupEasingFunctionsWidget</name>
    <message>
        <source>In</source>
        <translation>漸入</translation>
    </message>
    <message>
        <source>Out</source>
        <translation>漸出</translation>
    </message>
    <message>
        <source>InOut</source>
        <translation>漸入漸出</translation>
    </message>
    <message>
        <source>Linear</source>
        <translation>線性</translation>
    </message>
    <message>
        <source>Smooth</source>
        <translation>平滑</translation>
    </message>
    <message>
        <source>Circular</source>
        <translation>圓形</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>回彈</translation>
    </message>
    <message>
        <source>Elastic</source>
        <translation>彈性</translation>
    </message>
    <message>
        <source>Bounce</source>
        <translation>彈跳</translation>
    </message>
    <message>
        <source>Easing Type</source>
        <translation>緩動類型</translation>
    </message>
    <message>
        <source>Apply to all transitions</source>
        <translation>套用至所有轉場</translation>
    </message>
</context>
<context>
    <name>PopupMediaTypeSelectionWidget</name>
    <message>
        <source>Title</source>
        <translation>標題</translation>
    </message>
    <message>
        <source>Choose File...</source>
        <translation>選擇檔案...</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>相機</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>麥克風</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>文字</translation>
    </message>
    <message>
        <source>Self-Draw</source>
        <translation>手繪</translation>
    </message>
</context>
<context>
    <name>PopupMicrophoneWidget</name>
    <message>
        <source>No microphone</source>
        <translation>無麥克風</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>The temporary folder for the recording cannot be found.</source>
        <translation>找不到用於錄音的暫存資料夾。</translation>
    </message>
    <message>
        <source>Error Occurs</source>
        <translation>發生錯誤</translation>
    </message>
    <message>
        <source>The recording holds no sound.</source>
        <translation>錄音中沒有聲音。</translation>
    </message>
    <message>
        <source>The recording could not be finished, so it was not added.</source>
        <translation>錄音未能完成，因此未加入。</translation>
    </message>
</context>
<context>
    <name>PopupMovieExportingWidget</name>
    <message>
        <source>Resolution</source>
        <translation>解析度</translation>
    </message>
    <message>
        <source>Frame Rate</source>
        <translation>影格速率</translation>
    </message>
    <message>
        <source>Video Codec</source>
        <translation>視訊編碼</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名稱</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>匯出</translation>
    </message>
    <message>
        <source>Exporting movie...</source>
        <translation>正在匯出影片...</translation>
    </message>
    <message>
        <source>Please do not exit Vidorna or lock the computer.</source>
        <translation>請勿結束 Vidorna 或鎖定電腦。</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Export Failed</source>
        <translation>匯出失敗</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>Current movie has been exported successfully</source>
        <translation>影片已成功匯出</translation>
    </message>
    <message>
        <source>Detail</source>
        <translation>詳細資訊</translation>
    </message>
    <message>
        <source>File</source>
        <translation>檔案</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>大小</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>長度</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>視訊</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>音訊</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
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
        <translation>匯出與分享</translation>
    </message>
    <message>
        <source>Select save directory</source>
        <translation>選擇儲存資料夾</translation>
    </message>
    <message>
        <source>Estimated time remaining - %1</source>
        <translation>預估剩餘時間 - %1</translation>
    </message>
    <message>
        <source>%L1 bytes (%2)</source>
        <translation>%L1 位元組 (%2)</translation>
    </message>
    <message>
        <source>None</source>
        <translation>無</translation>
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
        <translation>畫面比例</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>影片</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>背景顏色</translation>
    </message>
    <message>
        <source>Transparent</source>
        <translation>透明</translation>
    </message>
    <message>
        <source>Frame Rate</source>
        <translation>影格速率</translation>
    </message>
    <message>
        <source>Showcase</source>
        <translation>展示</translation>
    </message>
    <message>
        <source>Fixed Cover Image</source>
        <translation>固定封面</translation>
    </message>
    <message>
        <source>Display fixed cover image in Movies page</source>
        <translation>在影片頁面顯示固定封面</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>橫向</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>直向</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Frames Per Second</source>
        <translation>每秒影格數</translation>
    </message>
</context>
<context>
    <name>PopupTransitionsListWidget</name>
    <message>
        <source>Title</source>
        <translation>標題</translation>
    </message>
    <message>
        <source>Add Transition</source>
        <translation>新增轉場</translation>
    </message>
</context>
<context>
    <name>ProgressHUD</name>
    <message>
        <source>Form</source>
        <translation>表單</translation>
    </message>
</context>
<context>
    <name>ProjectFoldersPopup</name>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>新增資料夾</translation>
    </message>
    <message>
        <source>Create a new folder</source>
        <translation>建立新資料夾</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>移動</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>拷貝</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>影片</translation>
    </message>
    <message>
        <source>Move to %1</source>
        <translation>移動到 %1</translation>
    </message>
    <message>
        <source>Copy to %1</source>
        <translation>拷貝到 %1</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>建立</translation>
    </message>
    <message>
        <source>Enter folder name</source>
        <translation>輸入資料夾名稱</translation>
    </message>
    <message>
        <source>Create new folder exception occurs</source>
        <translation>建立資料夾時發生錯誤</translation>
    </message>
    <message>
        <source>Wrong Name</source>
        <translation>名稱無效</translation>
    </message>
    <message>
        <source>A name cannot be empty, &quot;.&quot; or &quot;..&quot;, or hold &quot;/&quot;.</source>
        <translation>名稱不能空白，不能是「.」或「..」，也不能包含「/」。</translation>
    </message>
    <message>
        <source>Rename Failed</source>
        <translation>重新命名失敗</translation>
    </message>
    <message>
        <source>An item with the name &quot;%1&quot; already exists</source>
        <translation>已有名為「%1」的項目</translation>
    </message>
    <message>
        <source>New Folder Failed</source>
        <translation>新增資料夾失敗</translation>
    </message>
</context>
<context>
    <name>ProjectLoader</name>
    <message>
        <source>&quot;%1&quot; was written by a higher version of Vidorna</source>
        <translation>「%1」是由較新版本的 Vidorna 寫入的</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a Vidorna project file. Please move it away and archive again.</source>
        <translation>「%1」不是 Vidorna 專案檔。請將它移到別處，然後再封存一次。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a Vidorna project file. Please move it away and save again.</source>
        <translation>「%1」不是 Vidorna 專案檔。請將它移到別處，然後再儲存一次。</translation>
    </message>
</context>
<context>
    <name>ProjectXml</name>
    <message>
        <source>&quot;%1&quot; is not a regular file</source>
        <translation>「%1」不是一般檔案</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a link that leads nowhere</source>
        <translation>「%1」是指向不存在目標的連結</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be written: %2</source>
        <translation>無法寫入「%1」：%2</translation>
    </message>
</context>
<context>
    <name>ProjectsListWidget</name>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <source>Delete current movie project</source>
        <translation>刪除目前的影片專案</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>重新命名</translation>
    </message>
    <message>
        <source>Rename current movie project</source>
        <translation>重新命名目前的影片專案</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>複製</translation>
    </message>
    <message>
        <source>Duplicate current movie project</source>
        <translation>複製目前的影片專案</translation>
    </message>
    <message>
        <source>Archive</source>
        <translation>封存</translation>
    </message>
    <message>
        <source>Archive current movie project</source>
        <translation>封存目前的影片專案</translation>
    </message>
    <message>
        <source>Select an output directory</source>
        <translation>選擇輸出資料夾</translation>
    </message>
    <message>
        <source>Archiving project...</source>
        <translation>正在封存專案...</translation>
    </message>
    <message>
        <source>Archive Project Failed</source>
        <translation>封存專案失敗</translation>
    </message>
    <message>
        <source>Insufficient Space</source>
        <translation>空間不足</translation>
    </message>
    <message>
        <source>Archive Project Completed</source>
        <translation>專案封存完成</translation>
    </message>
    <message>
        <source>Select an archive to import</source>
        <translation>選擇要匯入的封存檔</translation>
    </message>
    <message>
        <source>Vidorna Project File (*.vidornaproject)</source>
        <translation>Vidorna 專案檔 (*.vidornaproject)</translation>
    </message>
    <message>
        <source>Importing archive...</source>
        <translation>正在匯入封存檔...</translation>
    </message>
    <message>
        <source>There&apos;s not enough storage space to import this archive. About %1 more space is needed.</source>
        <translation>儲存空間不足，無法匯入此封存檔。還需要約 %1 的空間。</translation>
    </message>
    <message>
        <source>Import Completed</source>
        <translation>匯入完成</translation>
    </message>
    <message>
        <source>Import Failed</source>
        <translation>匯入失敗</translation>
    </message>
    <message>
        <source>Import archive error occurs (%1)</source>
        <translation>匯入封存檔時發生錯誤 (%1)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Wrong Name</source>
        <translation>名稱無效</translation>
    </message>
    <message>
        <source>A name cannot be empty, &quot;.&quot; or &quot;..&quot;, or hold &quot;/&quot;.</source>
        <translation>名稱不能空白，不能是「.」或「..」，也不能包含「/」。</translation>
    </message>
    <message>
        <source>Movie In Use</source>
        <translation>影片使用中</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is open in the editor. Close the movie first.</source>
        <translation>「%1」已在編輯器中開啟。請先關閉該影片。</translation>
    </message>
    <message>
        <source>New Movie %1</source>
        <translation>新影片 %1</translation>
    </message>
    <message>
        <source>New Movie</source>
        <translation>新影片</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>建立</translation>
    </message>
    <message>
        <source>Enter project name</source>
        <translation>輸入專案名稱</translation>
    </message>
    <message>
        <source>Failed to create movie file</source>
        <translation>無法建立影片檔案</translation>
    </message>
    <message>
        <source>The named movie already exists</source>
        <translation>已有同名的影片</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>新增資料夾</translation>
    </message>
    <message>
        <source>Enter folder name</source>
        <translation>輸入資料夾名稱</translation>
    </message>
    <message>
        <source>New Folder Failed</source>
        <translation>新增資料夾失敗</translation>
    </message>
    <message>
        <source>An item with the name &quot;%1&quot; already exists</source>
        <translation>已有名為「%1」的項目</translation>
    </message>
    <message>
        <source>Create new folder exception occurs</source>
        <translation>建立資料夾時發生錯誤</translation>
    </message>
    <message>
        <source>Rename Item</source>
        <translation>重新命名項目</translation>
    </message>
    <message>
        <source>Enter item name</source>
        <translation>輸入項目名稱</translation>
    </message>
    <message>
        <source>Rename Failed</source>
        <translation>重新命名失敗</translation>
    </message>
    <message>
        <source>Rename failed</source>
        <translation>重新命名失敗</translation>
    </message>
    <message>
        <source>%1 Copy %2</source>
        <translation>%1 複本 %2</translation>
    </message>
    <message>
        <source>%1 Copy</source>
        <translation>%1 複本</translation>
    </message>
    <message>
        <source>Duplicate Movie</source>
        <translation>複製影片</translation>
    </message>
    <message>
        <source>Enter movie name</source>
        <translation>輸入影片名稱</translation>
    </message>
    <message>
        <source>Failed to duplicate movie</source>
        <translation>複製影片失敗</translation>
    </message>
    <message>
        <source>Remove Item</source>
        <translation>移除項目</translation>
    </message>
    <message>
        <source>Do you really want to remove item &quot;%1&quot;?</source>
        <translation>確定要移除項目「%1」嗎？</translation>
    </message>
    <message>
        <source>Remove Item(s)</source>
        <translation>移除項目</translation>
    </message>
    <message>
        <source>Do you really want to remove %1 item(s)?</source>
        <translation>確定要移除 %1 個項目嗎？</translation>
    </message>
    <message>
        <source>Failed to remove the item(s)</source>
        <translation>無法移除項目</translation>
    </message>
    <message>
        <source>Copying items...</source>
        <translation>正在複製項目...</translation>
    </message>
    <message>
        <source>Moving items...</source>
        <translation>正在移動項目...</translation>
    </message>
    <message>
        <source>Failed to move movie</source>
        <translation>移動影片失敗</translation>
    </message>
    <message>
        <source>%1 item(s) copied</source>
        <translation>已複製 %1 個項目</translation>
    </message>
    <message>
        <source>%1 item(s) moved</source>
        <translation>已移動 %1 個項目</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a link to a folder elsewhere. It is kept, so that what that folder holds is not removed with it.</source>
        <translation>「%1」是指向其他位置資料夾的連結。它會被保留，以免該資料夾中的內容隨之被移除。</translation>
    </message>
</context>
<context>
    <name>ProjectsWidget</name>
    <message>
        <source>Movies</source>
        <translation>影片</translation>
    </message>
    <message>
        <source>Open Movie Failed</source>
        <translation>開啟影片失敗</translation>
    </message>
    <message>
        <source>This movie is damaged, you cannot open it.</source>
        <translation>此影片已損毀，無法開啟。</translation>
    </message>
    <message>
        <source>Open Failed</source>
        <translation>開啟失敗</translation>
    </message>
    <message>
        <source>This project cannot be opened at this time.</source>
        <translation>目前無法開啟此專案。</translation>
    </message>
    <message>
        <source>Failed to open project file</source>
        <translation>無法開啟專案檔案</translation>
    </message>
    <message>
        <source>Import Project</source>
        <translation>匯入專案</translation>
    </message>
    <message>
        <source>Do you want to import project &quot;%1&quot; into Vidorna?</source>
        <translation>要將專案「%1」匯入 Vidorna 嗎？</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>匯入</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>編輯</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>返回</translation>
    </message>
    <message>
        <source>Import...</source>
        <translation>匯入...</translation>
    </message>
    <message>
        <source>Import project</source>
        <translation>匯入專案</translation>
    </message>
    <message>
        <source>Create a new folder</source>
        <translation>新增資料夾</translation>
    </message>
    <message>
        <source>Copy selected items to folder</source>
        <translation>將所選項目拷貝到資料夾</translation>
    </message>
    <message>
        <source>Move selected items to folder</source>
        <translation>將所選項目移動到資料夾</translation>
    </message>
    <message>
        <source>Delete selected items</source>
        <translation>刪除所選項目</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>(%1 Items)</source>
        <translation>(%1 個項目)</translation>
    </message>
    <message>
        <source>(1 Item)</source>
        <translation>(1 個項目)</translation>
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
        <translation>表單</translation>
    </message>
</context>
<context>
    <name>RoundCornerEditingWidgetController</name>
    <message>
        <source>Round Corner</source>
        <translation>圓角</translation>
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
        <translation>移除</translation>
    </message>
</context>
<context>
    <name>SegmentInspectorWidget</name>
    <message>
        <source>Return</source>
        <translation>返回</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
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
        <translation>移除</translation>
    </message>
    <message>
        <source>Add/Edit Transition</source>
        <translation>新增/編輯轉場</translation>
    </message>
    <message>
        <source>Apply to all segments</source>
        <translation>套用到所有片段</translation>
    </message>
</context>
<context>
    <name>SegmentOperationDoubleTapTipWidget</name>
    <message>
        <source>Double click a segment to enter into the edit mode. And double click it again to exit from the edit mode.</source>
        <translation>按兩下片段進入編輯模式，再按兩下即可離開編輯模式。</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>知道了</translation>
    </message>
</context>
<context>
    <name>SegmentOperationPressAndDragTipWidget</name>
    <message>
        <source>Press and hold on a segment till the yellow frame appears, then you can drag it to the place you want.</source>
        <translation>按住片段直到出現黃色外框，即可將它拖曳到想要的位置。</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>知道了</translation>
    </message>
</context>
<context>
    <name>SelectionOperationWidget</name>
    <message>
        <source>Cancel selection</source>
        <translation>取消選取</translation>
    </message>
    <message>
        <source>Insert blank</source>
        <translation>插入空白</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>刪除</translation>
    </message>
</context>
<context>
    <name>SettingsWidget</name>
    <message>
        <source>Form</source>
        <translation>表單</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>語言</translation>
    </message>
    <message>
        <source>Video Editor UI Layout</source>
        <translation>影片編輯器介面配置</translation>
    </message>
    <message>
        <source>Default Photo Duration</source>
        <translation>相片預設時長</translation>
    </message>
    <message>
        <source>Default Text Duration</source>
        <translation>文字預設時長</translation>
    </message>
    <message>
        <source>Default Self-Drawing Duration</source>
        <translation>手繪預設時長</translation>
    </message>
    <message>
        <source>Auto Save/Apply Segment Properties</source>
        <translation>自動儲存/套用片段屬性</translation>
    </message>
    <message>
        <source>Save segment properties and apply to the newly added segments</source>
        <translation>儲存片段屬性並套用到新加入的片段</translation>
    </message>
    <message>
        <source>Reset Saved Segment Properties</source>
        <translation>重設已儲存的片段屬性</translation>
    </message>
    <message>
        <source>Auto Align When Moving Objects</source>
        <translation>移動物件時自動對齊</translation>
    </message>
    <message>
        <source>Show guides when moving object to center/edges</source>
        <translation>將物件移到中央或邊緣時顯示參考線</translation>
    </message>
    <message>
        <source>Hardware Acceleration</source>
        <translation>硬體加速</translation>
    </message>
    <message>
        <source>Working Directory</source>
        <translation>工作目錄</translation>
    </message>
    <message>
        <source>Auto Copy Files to Movie Directory</source>
        <translation>自動將檔案複製到影片目錄</translation>
    </message>
    <message>
        <source>Copy files to project directory when adding media to a movie</source>
        <translation>在影片中加入媒體時將檔案複製到專案目錄</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>桌面版</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>經典</translation>
    </message>
    <message>
        <source>Enabled: high performance, loss compatibility</source>
        <translation>已啟用：高效能，相容性較低</translation>
    </message>
    <message>
        <source>Disabled: better compatibility, loss performance</source>
        <translation>已停用：相容性較佳，效能較低</translation>
    </message>
    <message>
        <source>Do you really want to reset the saved segment properties?</source>
        <translation>確定要重設已儲存的片段屬性嗎？</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>重設</translation>
    </message>
    <message>
        <source>Segment properties reset successfully</source>
        <translation>片段屬性已重設</translation>
    </message>
    <message>
        <source>Select working directory</source>
        <translation>選擇工作目錄</translation>
    </message>
    <message>
        <source>Close the open movie before changing the working directory.</source>
        <translation>請先關閉開啟的影片，再變更工作目錄。</translation>
    </message>
    <message>
        <source>No movie can be kept in &quot;%1&quot;: the folder &quot;Projects&quot; cannot be created there. Choose another folder.</source>
        <translation>「%1」中無法保存影片：無法在此建立「Projects」資料夾。請選擇其他資料夾。</translation>
    </message>
</context>
<context>
    <name>ShadowEditingWidgetController</name>
    <message>
        <source>Shadow</source>
        <translation>陰影</translation>
    </message>
    <message>
        <source>Radius</source>
        <translation>半徑</translation>
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
        <translation>影片</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>說明</translation>
    </message>
    <message>
        <source>New Movie...</source>
        <translation>新增影片...</translation>
    </message>
    <message>
        <source>New Folder...</source>
        <translation>新增資料夾...</translation>
    </message>
    <message>
        <source>Import...</source>
        <translation>匯入...</translation>
    </message>
    <message>
        <source>File</source>
        <translation>檔案</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>Vidorna Help</source>
        <translation>Vidorna 說明</translation>
    </message>
    <message>
        <source>Get Vidorna on Smartphones</source>
        <translation>取得手機版 Vidorna</translation>
    </message>
    <message>
        <source>Feedback...</source>
        <translation>意見回饋...</translation>
    </message>
    <message>
        <source>About Vidorna</source>
        <translation>關於 Vidorna</translation>
    </message>
    <message>
        <source>How do you think about Vidorna? What features do you want to see in the next version of Vidorna? Or do you want to report a bug? All about Vidorna, please tell us.







&lt;From Vidorna v%1 on %2 with %3&gt;</source>
        <translation>您覺得 Vidorna 如何？您希望在下一版 Vidorna 中看到哪些功能？或者您想回報錯誤？關於 Vidorna 的一切，請告訴我們。







&lt;來自 Vidorna v%1，%2，%3&gt;</translation>
    </message>
    <message>
        <source>Help Center</source>
        <translation>說明中心</translation>
    </message>
</context>
<context>
    <name>StrokeBorderEditingWidgetController</name>
    <message>
        <source>Border Size &amp; Color</source>
        <translation>邊框大小和顏色</translation>
    </message>
    <message>
        <source>Tolerance</source>
        <translation>容差</translation>
    </message>
    <message>
        <source>Intensity</source>
        <translation>強度</translation>
    </message>
    <message>
        <source>Stroke</source>
        <translation>描邊</translation>
    </message>
</context>
<context>
    <name>TabsMediaExplorerWidget</name>
    <message>
        <source>Form</source>
        <translation>表單</translation>
    </message>
    <message>
        <source>Local Files</source>
        <translation>本機檔案</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>音樂</translation>
    </message>
    <message>
        <source>Sound FX</source>
        <translation>音效</translation>
    </message>
    <message>
        <source>Stickers</source>
        <translation>貼圖</translation>
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
        <translation>表單</translation>
    </message>
</context>
<context>
    <name>TextBackEditingWidgetController</name>
    <message>
        <source>Text Background</source>
        <translation>文字背景</translation>
    </message>
    <message>
        <source>Spacing</source>
        <translation>間距</translation>
    </message>
    <message>
        <source>Round Corner</source>
        <translation>圓角</translation>
    </message>
</context>
<context>
    <name>TextFontEditingWidget</name>
    <message>
        <source>Form</source>
        <translation>表單</translation>
    </message>
</context>
<context>
    <name>TextSizeEditingWidgetController</name>
    <message>
        <source>Text Size &amp; Color</source>
        <translation>文字大小和顏色</translation>
    </message>
</context>
<context>
    <name>TextureGridWidget</name>
    <message>
        <source>Custom Picture...</source>
        <translation>自訂圖片...</translation>
    </message>
    <message>
        <source>Open a Picture</source>
        <translation>開啟圖片</translation>
    </message>
</context>
<context>
    <name>TransitionsEditingWidget</name>
    <message>
        <source>Form</source>
        <translation>表單</translation>
    </message>
    <message>
        <source>Transitions</source>
        <translation>轉場</translation>
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
        <translation>長度</translation>
    </message>
    <message>
        <source>Add Transition</source>
        <translation>新增轉場</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>複製</translation>
    </message>
    <message>
        <source>Easing type</source>
        <translation>緩動類型</translation>
    </message>
    <message>
        <source>End</source>
        <translation>結束</translation>
    </message>
    <message>
        <source>Press &quot;+&quot; to add a transition</source>
        <translation>按「+」新增轉場</translation>
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
        <translation>說明中心</translation>
    </message>
    <message>
        <source>No web browser could be opened for the help pages. You can read them at this address:</source>
        <translation>無法開啟網頁瀏覽器來顯示說明頁面。您可以在此網址閱讀:</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 位元組</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>今天</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>立體聲</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>單聲道</translation>
    </message>
    <message>
        <source>All video files (*.mp4 *.mov *.m4v *.avi *.wmv *.asf *.mkv *.3gp *.mpg *.mpeg *.dat *.m2v *.vob *.rm *.rmvb *.webm)</source>
        <translation>所有影片檔案 (*.mp4 *.mov *.m4v *.avi *.wmv *.asf *.mkv *.3gp *.mpg *.mpeg *.dat *.m2v *.vob *.rm *.rmvb *.webm)</translation>
    </message>
    <message>
        <source>All picture files (*.png *.gif *.jpg *.jpeg *.bmp *.dib *.pbm *.pgm *.ppm *.xbm *.xpm *.svg *.tiff *.tif *.webp *.heic)</source>
        <translation>所有圖片檔案 (*.png *.gif *.jpg *.jpeg *.bmp *.dib *.pbm *.pgm *.ppm *.xbm *.xpm *.svg *.tiff *.tif *.webp *.heic)</translation>
    </message>
    <message>
        <source>All music files (*.mp3 *.wav *.m4a *.mid *.wma *.vqf *.ra)</source>
        <translation>所有音樂檔案 (*.mp3 *.wav *.m4a *.mid *.wma *.vqf *.ra)</translation>
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
        <translation>未知的編解碼器</translation>
    </message>
    <message>
        <source>%1, %2, %3 Hz</source>
        <extracomment>Audio stream: codec, channels (Stereo or Mono), sample rate.</extracomment>
        <translation>%1，%2，%3 Hz</translation>
    </message>
    <message>
        <source>%1, %2 x %3</source>
        <extracomment>Video stream: codec, width, height in pixels.</extracomment>
        <translation>%1，%2 x %3</translation>
    </message>
</context>
<context>
    <name>VideoUtilitiesEditingWidget</name>
    <message>
        <source>Video Utilities</source>
        <translation>影片工具</translation>
    </message>
    <message>
        <source>Grab image from video</source>
        <translation>從影片擷取圖片</translation>
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
