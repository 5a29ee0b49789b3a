<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Vidorna</source>
        <translation>关于 Vidorna</translation>
    </message>
    <message>
        <source>Homepage</source>
        <translation>官方网站</translation>
    </message>
    <message>
        <source>Copyright © 2026 Peltrane Software.</source>
        <translation>Copyright © 2026 Peltrane Software.</translation>
    </message>
    <message>
        <source>All rights reserved.</source>
        <translation>保留所有权利。</translation>
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
        <translation>边框大小和颜色</translation>
    </message>
</context>
<context>
    <name>CameraDialog</name>
    <message>
        <source>No camera</source>
        <translation>无摄像头</translation>
    </message>
    <message>
        <source>Opening camera...</source>
        <translation>正在打开摄像头...</translation>
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
        <translation>录制视频</translation>
    </message>
    <message>
        <source>Capture still image</source>
        <translation>拍摄照片</translation>
    </message>
    <message>
        <source>Toggle Capture Type
Current: %1</source>
        <translation>切换拍摄类型
当前：%1</translation>
    </message>
    <message>
        <source>Capture Error</source>
        <translation>拍摄错误</translation>
    </message>
    <message>
        <source>The recording was not saved.</source>
        <translation>录制内容未能保存。</translation>
    </message>
    <message>
        <source>Camera Error</source>
        <translation>摄像头错误</translation>
    </message>
    <message>
        <source>Image Capture Error</source>
        <translation>拍照错误</translation>
    </message>
</context>
<context>
    <name>CanvasWidget</name>
    <message>
        <source>Edit Text</source>
        <translation>编辑文字</translation>
    </message>
    <message>
        <source>Add Text</source>
        <translation>添加文字</translation>
    </message>
    <message>
        <source>Enter text here</source>
        <translation>在此输入文字</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Insert a Picture</source>
        <translation>插入图片</translation>
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
        <translation>应用程序崩溃了！</translation>
    </message>
    <message>
        <source>%1: 0x%2</source>
        <translation>%1：0x%2</translation>
    </message>
    <message>
        <source>Error code</source>
        <translation>错误代码</translation>
    </message>
    <message>
        <source>Error address</source>
        <translation>错误地址</translation>
    </message>
    <message>
        <source>Crash report &apos;%1&apos; has been saved to %2</source>
        <translation>崩溃报告“%1”已保存到 %2</translation>
    </message>
    <message>
        <source>Crash Occurs</source>
        <translation>发生崩溃</translation>
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
        <translation>导出影片</translation>
    </message>
    <message>
        <source>Fullscreen Preview</source>
        <translation>全屏预览</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>隐藏</translation>
    </message>
    <message>
        <source>MainWindow</source>
        <translation>主窗口</translation>
    </message>
    <message>
        <source>Movie configuration</source>
        <translation>影片设置</translation>
    </message>
    <message>
        <source>Next position</source>
        <translation>下一个位置</translation>
    </message>
    <message>
        <source>No editing segment</source>
        <translation>没有正在编辑的片段</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>播放/暂停</translation>
    </message>
    <message>
        <source>Preview Resolution</source>
        <translation>预览分辨率</translation>
    </message>
    <message>
        <source>Preview Scale</source>
        <translation>预览缩放</translation>
    </message>
    <message>
        <source>Preview resolution</source>
        <translation>预览分辨率</translation>
    </message>
    <message>
        <source>Preview scale</source>
        <translation>预览缩放</translation>
    </message>
    <message>
        <source>Previous position</source>
        <translation>上一个位置</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Save &amp;&amp; Close</source>
        <translation>保存并关闭</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>编辑</translation>
    </message>
    <message>
        <source>View</source>
        <translation>视图</translation>
    </message>
    <message>
        <source>Media Explorer</source>
        <translation>媒体浏览器</translation>
    </message>
    <message>
        <source>Segment Inspector</source>
        <translation>片段检查器</translation>
    </message>
    <message>
        <source>Segment</source>
        <translation>片段</translation>
    </message>
    <message>
        <source>Transition</source>
        <translation>转场</translation>
    </message>
    <message>
        <source>Movie</source>
        <translation>影片</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Vidorna Help</source>
        <translation>Vidorna 帮助</translation>
    </message>
    <message>
        <source>Get Vidorna on Smartphones</source>
        <translation>获取手机版 Vidorna</translation>
    </message>
    <message>
        <source>About Vidorna</source>
        <translation>关于 Vidorna</translation>
    </message>
    <message>
        <source>Cropping...</source>
        <translation>正在裁剪...</translation>
    </message>
    <message>
        <source>Editing...</source>
        <translation>正在编辑...</translation>
    </message>
    <message>
        <source>Drawing...</source>
        <translation>正在绘制...</translation>
    </message>
    <message>
        <source>Linear</source>
        <translation>线性</translation>
    </message>
    <message>
        <source>%1</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>%1 In</source>
        <translation>%1 缓入</translation>
    </message>
    <message>
        <source>%1 Out</source>
        <translation>%1 缓出</translation>
    </message>
    <message>
        <source>%1 InOut</source>
        <translation>%1 缓入缓出</translation>
    </message>
    <message>
        <source>Smooth</source>
        <translation>平滑</translation>
    </message>
    <message>
        <source>Circular</source>
        <translation>圆形</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>回退</translation>
    </message>
    <message>
        <source>Elastic</source>
        <translation>弹性</translation>
    </message>
    <message>
        <source>Bounce</source>
        <translation>弹跳</translation>
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
        <translation>自由铅笔</translation>
    </message>
    <message>
        <source>Spray</source>
        <translation>喷枪</translation>
    </message>
    <message>
        <source>Texture</source>
        <translation>纹理</translation>
    </message>
    <message>
        <source>Eraser</source>
        <translation>橡皮擦</translation>
    </message>
    <message>
        <source>Clear Painting</source>
        <translation>清除绘画</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>重做</translation>
    </message>
    <message>
        <source>Line Width</source>
        <translation>线宽</translation>
    </message>
    <message>
        <source>Straight Line</source>
        <translation>直线</translation>
    </message>
    <message>
        <source>Rectangle Outline</source>
        <translation>矩形轮廓</translation>
    </message>
    <message>
        <source>Filled Rectangle</source>
        <translation>填充矩形</translation>
    </message>
    <message>
        <source>Round Rectangle Outline</source>
        <translation>圆角矩形轮廓</translation>
    </message>
    <message>
        <source>Filled Round Rectangle</source>
        <translation>填充圆角矩形</translation>
    </message>
    <message>
        <source>Circle Outline</source>
        <translation>圆形轮廓</translation>
    </message>
    <message>
        <source>Filled Circle</source>
        <translation>填充圆形</translation>
    </message>
    <message>
        <source>Ellipse Outline</source>
        <translation>椭圆轮廓</translation>
    </message>
    <message>
        <source>Filled Ellipse</source>
        <translation>填充椭圆</translation>
    </message>
    <message>
        <source>Triangle Outline</source>
        <translation>三角形轮廓</translation>
    </message>
    <message>
        <source>Filled Triangle</source>
        <translation>填充三角形</translation>
    </message>
    <message>
        <source>Rhombus Outline</source>
        <translation>菱形轮廓</translation>
    </message>
    <message>
        <source>Filled Rhombus</source>
        <translation>填充菱形</translation>
    </message>
    <message>
        <source>Pentagram Outline</source>
        <translation>五角星轮廓</translation>
    </message>
    <message>
        <source>Filled Pentagram</source>
        <translation>填充五角星</translation>
    </message>
    <message>
        <source>Pentagon Outline</source>
        <translation>五边形轮廓</translation>
    </message>
    <message>
        <source>Filled Pentagon</source>
        <translation>填充五边形</translation>
    </message>
    <message>
        <source>Heart Outline</source>
        <translation>心形轮廓</translation>
    </message>
    <message>
        <source>Filled Heart</source>
        <translation>填充心形</translation>
    </message>
    <message>
        <source>Save to Album</source>
        <translation>保存到相册</translation>
    </message>
    <message>
        <source>Insert Text</source>
        <translation>插入文字</translation>
    </message>
    <message>
        <source>Insert Picture</source>
        <translation>插入图片</translation>
    </message>
    <message>
        <source>Stroke Hardness</source>
        <translation>笔触硬度</translation>
    </message>
    <message>
        <source>Linear Gradient</source>
        <translation>线性渐变</translation>
    </message>
    <message>
        <source>Radial Gradient</source>
        <translation>径向渐变</translation>
    </message>
    <message>
        <source>Switch between pencil and eraser</source>
        <translation>在铅笔和橡皮擦之间切换</translation>
    </message>
    <message>
        <source>Dashed Line</source>
        <translation>虚线</translation>
    </message>
    <message>
        <source>Dotted Line</source>
        <translation>点线</translation>
    </message>
    <message>
        <source>Arrow Line</source>
        <translation>箭头线</translation>
    </message>
</context>
<context>
    <name>DrawingTuningWidget</name>
    <message>
        <source>Form</source>
        <translation>窗体</translation>
    </message>
    <message>
        <source>Select picture</source>
        <translation>选择图片</translation>
    </message>
    <message>
        <source>Picture size</source>
        <translation>图片大小</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>Change text</source>
        <translation>更改文字</translation>
    </message>
    <message>
        <source>Text alignment</source>
        <translation>文字对齐</translation>
    </message>
    <message>
        <source>Text size</source>
        <translation>文字大小</translation>
    </message>
    <message>
        <source>Text font</source>
        <translation>文字字体</translation>
    </message>
    <message>
        <source>Line width</source>
        <translation>线宽</translation>
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
        <translation>图片大小</translation>
    </message>
</context>
<context>
    <name>EditButtonEditingWidget</name>
    <message>
        <source>Edit</source>
        <translation>编辑</translation>
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
        <translation>编辑文字</translation>
    </message>
    <message>
        <source>Self-Draw</source>
        <translation>手绘</translation>
    </message>
    <message>
        <source>Edit Drawing</source>
        <translation>编辑绘图</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>照片</translation>
    </message>
    <message>
        <source>Change Photo</source>
        <translation>更换照片</translation>
    </message>
</context>
<context>
    <name>EditableGradientWidget</name>
    <message>
        <source>Choose Color</source>
        <translation>选择颜色</translation>
    </message>
    <message>
        <source>No Color</source>
        <translation>无颜色</translation>
    </message>
</context>
<context>
    <name>FullscreenControlWidget</name>
    <message>
        <source>Form</source>
        <translation>窗体</translation>
    </message>
    <message>
        <source>Previous position</source>
        <translation>上一位置</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>播放/暂停</translation>
    </message>
    <message>
        <source>Next position</source>
        <translation>下一位置</translation>
    </message>
    <message>
        <source>Exit fullscreen</source>
        <translation>退出全屏</translation>
    </message>
</context>
<context>
    <name>GeometryEditingWidget</name>
    <message>
        <source>Geometry</source>
        <translation>几何</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>W</source>
        <translation>宽</translation>
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
        <translation>顺时针旋转</translation>
    </message>
    <message>
        <source>Rotate Counterclockwise</source>
        <translation>逆时针旋转</translation>
    </message>
    <message>
        <source>Crop &amp; Feathering</source>
        <translation>裁剪和羽化</translation>
    </message>
    <message>
        <source>Flip Horizontally</source>
        <translation>水平翻转</translation>
    </message>
    <message>
        <source>Flip Vertically</source>
        <translation>垂直翻转</translation>
    </message>
    <message>
        <source>Maintain aspect ratio</source>
        <translation>保持宽高比</translation>
    </message>
    <message>
        <source>Restore the default</source>
        <translation>恢复默认</translation>
    </message>
    <message>
        <source>Perspective (Four-point positioning)</source>
        <translation>透视（四点定位）</translation>
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
        <translation>窗体</translation>
    </message>
    <message>
        <source>Search GIPHY</source>
        <translation>搜索 GIPHY</translation>
    </message>
    <message>
        <source>Network error (code=%1)</source>
        <translation>网络错误 (代码=%1)</translation>
    </message>
    <message>
        <source>Network error (code=%1 %2)</source>
        <translation>网络错误 (代码=%1 %2)</translation>
    </message>
    <message>
        <source>Network failed (Status code=%1)</source>
        <translation>网络请求失败 (状态码=%1)</translation>
    </message>
    <message>
        <source>Parse data error (code=%1)</source>
        <translation>数据解析错误 (代码=%1)</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>刷新</translation>
    </message>
    <message>
        <source>Downloading file...</source>
        <translation>正在下载文件...</translation>
    </message>
    <message>
        <source>Download error (code=%1)</source>
        <translation>下载错误 (代码=%1)</translation>
    </message>
</context>
<context>
    <name>HorizontalMediaExplorerWidget</name>
    <message>
        <source>Form</source>
        <translation>窗体</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>返回</translation>
    </message>
    <message>
        <source>Show pictures only</source>
        <translation>仅显示图片</translation>
    </message>
    <message>
        <source>Show videos only</source>
        <translation>仅显示视频</translation>
    </message>
    <message>
        <source>Show music only</source>
        <translation>仅显示音乐</translation>
    </message>
    <message>
        <source>Show media from the system Photos and Music app</source>
        <translation>显示系统照片和音乐应用中的媒体</translation>
    </message>
    <message>
        <source>Show media from the In-App Library</source>
        <translation>显示应用内素材库中的媒体</translation>
    </message>
    <message>
        <source>Show media from the Local Files (iTunes File Sharing) folder</source>
        <translation>显示本地文件（iTunes 文件共享）文件夹中的媒体</translation>
    </message>
</context>
<context>
    <name>LocalFilesWidget</name>
    <message>
        <source>Form</source>
        <translation>表单</translation>
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
        <translation>视频</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>图片</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>音频</translation>
    </message>
    <message>
        <source>Directory not found</source>
        <translation>找不到文件夹</translation>
    </message>
    <message>
        <source>Select Directory...</source>
        <translation>选择文件夹...</translation>
    </message>
    <message>
        <source>Select Directory</source>
        <translation>选择文件夹</translation>
    </message>
    <message>
        <source>Icon Mode</source>
        <translation>图标模式</translation>
    </message>
    <message>
        <source>List Mode</source>
        <translation>列表模式</translation>
    </message>
    <message>
        <source>Show in File Explorer</source>
        <translation>在文件资源管理器中显示</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Maintain aspect ratio</source>
        <translation>保持宽高比</translation>
    </message>
    <message>
        <source>Restore the default</source>
        <translation>恢复默认</translation>
    </message>
    <message>
        <source>Fill the screen</source>
        <translation>填满屏幕</translation>
    </message>
    <message>
        <source>Edit Text</source>
        <translation>编辑文字</translation>
    </message>
    <message>
        <source>Original Size</source>
        <translation>原始大小</translation>
    </message>
    <message>
        <source>Edit Drawing</source>
        <translation>编辑绘图</translation>
    </message>
    <message>
        <source>Editing properties applied to all %1 segments</source>
        <translation>已将编辑属性应用于所有%1片段</translation>
    </message>
    <message>
        <source>video</source>
        <translation>视频</translation>
    </message>
    <message>
        <source>image</source>
        <translation>图片</translation>
    </message>
    <message>
        <source>self-draw</source>
        <translation>手绘</translation>
    </message>
    <message>
        <source>text</source>
        <translation>文字</translation>
    </message>
    <message>
        <source>music</source>
        <translation>音乐</translation>
    </message>
    <message>
        <source>voice</source>
        <translation>语音</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>重做</translation>
    </message>
    <message>
        <source>Enter Range Selection</source>
        <translation>进入范围选择</translation>
    </message>
    <message>
        <source>Toggle Insert/Overwite Mode</source>
        <translation>切换插入/覆盖模式</translation>
    </message>
    <message>
        <source>Finish Editing</source>
        <translation>完成编辑</translation>
    </message>
    <message>
        <source>Edit Transitions</source>
        <translation>编辑转场</translation>
    </message>
    <message>
        <source>Finish Editing Transitions</source>
        <translation>完成转场编辑</translation>
    </message>
    <message>
        <source>Cancel Range Selection</source>
        <translation>取消范围选择</translation>
    </message>
    <message>
        <source>Overwrite Mode On</source>
        <translation>覆盖模式已开启</translation>
    </message>
    <message>
        <source>Insert Mode On</source>
        <translation>插入模式已开启</translation>
    </message>
    <message>
        <source>Toggle Insert/Overwrite Mode
Current: Overwrite mode</source>
        <translation>切换插入/覆盖模式
当前：覆盖模式</translation>
    </message>
    <message>
        <source>Toggle Insert/Overwrite Mode
Current: Insert mode</source>
        <translation>切换插入/覆盖模式
当前：插入模式</translation>
    </message>
    <message>
        <source>Unable to undo temporarily</source>
        <translation>暂时无法撤销</translation>
    </message>
    <message>
        <source>Unable to redo temporarily</source>
        <translation>暂时无法重做</translation>
    </message>
    <message>
        <source>Toggle Fullscreen</source>
        <translation>切换全屏</translation>
    </message>
    <message>
        <source>Add File...</source>
        <translation>添加文件...</translation>
    </message>
    <message>
        <source>Add from Camera...</source>
        <translation>从摄像头添加...</translation>
    </message>
    <message>
        <source>Add from Microphone...</source>
        <translation>从麦克风添加...</translation>
    </message>
    <message>
        <source>Add Text</source>
        <translation>添加文字</translation>
    </message>
    <message>
        <source>Add Self-Draw</source>
        <translation>添加手绘</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>编辑</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>复制</translation>
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
        <translation>添加转场</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Edit Transition</source>
        <translation>编辑转场</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>播放/暂停</translation>
    </message>
    <message>
        <source>Next Position</source>
        <translation>下一个位置</translation>
    </message>
    <message>
        <source>Previous Position</source>
        <translation>上一个位置</translation>
    </message>
    <message>
        <source>Export &amp;&amp; Share</source>
        <translation>导出与&amp;&amp;分享</translation>
    </message>
    <message>
        <source>Configuration...</source>
        <translation>设置...</translation>
    </message>
    <message>
        <source>Open properties error occurs (%1)</source>
        <translation>打开属性时出错 (%1)</translation>
    </message>
    <message>
        <source>Opening...</source>
        <translation>正在打开...</translation>
    </message>
    <message>
        <source>Open project error occurs (%1)</source>
        <translation>打开项目时出错 (%1)</translation>
    </message>
    <message>
        <source>Convert Project Failed</source>
        <translation>转换项目失败</translation>
    </message>
    <message>
        <source>Open Project Failed</source>
        <translation>打开项目失败</translation>
    </message>
    <message>
        <source>Current movie project is damaged.</source>
        <translation>当前影片项目已损坏。</translation>
    </message>
    <message>
        <source>Higher Version Project</source>
        <translation>更高版本的项目</translation>
    </message>
    <message>
        <source>Vidorna can not open the higher version movie project. Please update Vidorna to the latest version.</source>
        <translation>Vidorna 无法打开更高版本的影片项目。请将 Vidorna 更新到最新版本。</translation>
    </message>
    <message>
        <source>Failed to save movie</source>
        <translation>保存影片失败</translation>
    </message>
    <message>
        <source>The movie project cannot be read: %1</source>
        <translation>无法读取影片项目：%1</translation>
    </message>
    <message>
        <source>The changes could not be saved: %1</source>
        <translation>无法保存更改：%1</translation>
    </message>
    <message>
        <source>If you close without saving, the changes are lost. Keep the window open to try again.</source>
        <translation>如果不保存就关闭，更改将会丢失。请保持窗口打开以便重试。</translation>
    </message>
    <message>
        <source>Keep Open</source>
        <translation>保持打开</translation>
    </message>
    <message>
        <source>Close Without Saving</source>
        <translation>关闭而不保存</translation>
    </message>
    <message>
        <source>Load Error</source>
        <translation>加载错误</translation>
    </message>
    <message>
        <source>File Not Found</source>
        <translation>找不到文件</translation>
    </message>
    <message>
        <source>No audio contained</source>
        <translation>不包含音频</translation>
    </message>
    <message>
        <source>Failed to record operation</source>
        <translation>无法记录操作</translation>
    </message>
    <message>
        <source>No operation to undo</source>
        <translation>没有可撤销的操作</translation>
    </message>
    <message>
        <source>No operation to redo</source>
        <translation>没有可重做的操作</translation>
    </message>
    <message>
        <source>The operation to undo could not be read</source>
        <translation>无法读取要撤销的操作</translation>
    </message>
    <message>
        <source>The operation to redo could not be read</source>
        <translation>无法读取要重做的操作</translation>
    </message>
    <message>
        <source>Edits that could not be recorded were undone too</source>
        <translation>无法记录的编辑也已一并撤销</translation>
    </message>
    <message>
        <source>Help Center</source>
        <translation>帮助中心</translation>
    </message>
    <message>
        <source>Custom Transition</source>
        <translation>自定义转场</translation>
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
        <translation>从左进入 &amp;&amp; 向右退出</translation>
    </message>
    <message>
        <source>Right In &amp;&amp; Left Out</source>
        <translation>从右进入 &amp;&amp; 向左退出</translation>
    </message>
    <message>
        <source>Left In</source>
        <translation>从左进入</translation>
    </message>
    <message>
        <source>Left Out</source>
        <translation>向左退出</translation>
    </message>
    <message>
        <source>Right In</source>
        <translation>从右进入</translation>
    </message>
    <message>
        <source>Right Out</source>
        <translation>向右退出</translation>
    </message>
    <message>
        <source>Up In &amp;&amp; Down Out</source>
        <translation>从上进入 &amp;&amp; 向下退出</translation>
    </message>
    <message>
        <source>Down In &amp;&amp; Up Out</source>
        <translation>从下进入 &amp;&amp; 向上退出</translation>
    </message>
    <message>
        <source>Up In</source>
        <translation>从上进入</translation>
    </message>
    <message>
        <source>Up Out</source>
        <translation>向上退出</translation>
    </message>
    <message>
        <source>Down In</source>
        <translation>从下进入</translation>
    </message>
    <message>
        <source>Down Out</source>
        <translation>向下退出</translation>
    </message>
    <message>
        <source>Shrink In &amp;&amp; Shrink Out</source>
        <translation>缩小进入 &amp;&amp; 缩小退出</translation>
    </message>
    <message>
        <source>Grow In &amp;&amp; Grow Out</source>
        <translation>放大进入 &amp;&amp; 放大退出</translation>
    </message>
    <message>
        <source>Shrink In</source>
        <translation>缩小进入</translation>
    </message>
    <message>
        <source>Shrink Out</source>
        <translation>缩小退出</translation>
    </message>
    <message>
        <source>Grow In</source>
        <translation>放大进入</translation>
    </message>
    <message>
        <source>Grow Out</source>
        <translation>放大退出</translation>
    </message>
    <message>
        <source>Open In &amp;&amp; Close Out</source>
        <translation>展开进入 &amp;&amp; 闭合退出</translation>
    </message>
    <message>
        <source>Open In</source>
        <translation>展开进入</translation>
    </message>
    <message>
        <source>Close Out</source>
        <translation>闭合退出</translation>
    </message>
    <message>
        <source>Wipe In &amp;&amp; Wipe Out</source>
        <translation>擦除进入 &amp;&amp; 擦除退出</translation>
    </message>
    <message>
        <source>Wipe In</source>
        <translation>擦除进入</translation>
    </message>
    <message>
        <source>Wipe Out</source>
        <translation>擦除退出</translation>
    </message>
    <message>
        <source>No enough space for another transition</source>
        <translation>没有足够的空间添加其他转场</translation>
    </message>
    <message>
        <source>Easing type applied to all transitions</source>
        <translation>缓动类型已应用于所有转场</translation>
    </message>
    <message>
        <source>Move timeline to the position to split</source>
        <translation>请将时间线移动到要分割的位置</translation>
    </message>
    <message>
        <source>How to deal with the existing transition(s)?</source>
        <translation>如何处理现有的转场？</translation>
    </message>
    <message>
        <source>Duplicate and shorten the transition(s)</source>
        <translation>复制并缩短转场</translation>
    </message>
    <message>
        <source>Don&apos;t shorten the transition(s)</source>
        <translation>不缩短转场</translation>
    </message>
    <message>
        <source>Move timeline to the position to grab image</source>
        <translation>请将时间线移动到要截图的位置</translation>
    </message>
    <message>
        <source>Save image failed</source>
        <translation>保存图片失败</translation>
    </message>
    <message>
        <source>Image saved to Pictures successfully</source>
        <translation>图片已成功保存到“图片”</translation>
    </message>
    <message>
        <source>Please wait a moment</source>
        <translation>请稍候</translation>
    </message>
    <message>
        <source>No content to export</source>
        <translation>没有可导出的内容</translation>
    </message>
    <message>
        <source>The preview did not stop in time. Please try again.</source>
        <translation>预览未能及时停止，请重试。</translation>
    </message>
    <message>
        <source>Create video failed</source>
        <translation>创建视频失败</translation>
    </message>
    <message>
        <source>The movie cannot be saved in &quot;%1&quot; because that folder cannot be written to. Please choose another location.</source>
        <translation>无法将影片保存到“%1”，因为该文件夹无法写入。请选择其他位置。</translation>
    </message>
    <message>
        <source>The movie file could not be created in &quot;%1&quot;. Please make sure that this folder can be written to and that the disk has free space.</source>
        <translation>无法在“%1”中创建影片文件。请确认该文件夹可以写入且磁盘有可用空间。</translation>
    </message>
    <message>
        <source>The movie could not be finished in &quot;%1&quot; because its unfinished file was moved or replaced while it was written. Please export it again.</source>
        <translation>无法在“%1”中完成影片，因为其未完成的文件在写入期间被移动或替换。请重新导出。</translation>
    </message>
    <message>
        <source>The movie could not be saved as &quot;%1&quot; because another file took that name while the movie was written. That file was left as it is: please move it away and export again.</source>
        <translation>无法将影片保存为“%1”，因为在写入影片期间另一个文件占用了该名称。该文件保持原样：请将其移走，然后重新导出。</translation>
    </message>
    <message>
        <source>The movie could not be written in &quot;%1&quot; because the disk is full. Please free some space on that disk and export again.</source>
        <translation>磁盘已满，无法将影片写入“%1”。请释放该磁盘上的空间，然后重新导出。</translation>
    </message>
    <message>
        <source>The movie could not be written in &quot;%1&quot; because that folder can no longer be written to. Please make sure that it can be written to and export again.</source>
        <translation>无法将影片写入“%1”，因为该文件夹已无法写入。请确保该文件夹可以写入，然后重新导出。</translation>
    </message>
    <message>
        <source>The movie could not be copied into &quot;%1&quot; because that folder cannot be written to. Please choose another location and export again.</source>
        <translation>无法将影片复制到“%1”，因为该文件夹无法写入。请选择其他位置，然后重新导出。</translation>
    </message>
    <message>
        <source>The movie could not be copied into &quot;%1&quot; because the disk is full. Please free some space on that disk or choose another location, and export again.</source>
        <translation>磁盘已满，无法将影片复制到“%1”。请释放该磁盘上的空间或选择其他位置，然后重新导出。</translation>
    </message>
    <message>
        <source>Export canceled</source>
        <translation>已取消导出</translation>
    </message>
    <message>
        <source>Export Interrupted</source>
        <translation>导出中断</translation>
    </message>
    <message>
        <source>Do you want to cancel the exporting?</source>
        <translation>要取消导出吗？</translation>
    </message>
    <message>
        <source>Canceling...</source>
        <translation>正在取消...</translation>
    </message>
    <message>
        <source>Saving...</source>
        <translation>正在保存...</translation>
    </message>
    <message>
        <source>Color settings applied to all %1 segments</source>
        <translation>颜色设置已应用到所有%1片段</translation>
    </message>
    <message>
        <source>Copy file failed</source>
        <translation>复制文件失败</translation>
    </message>
    <message>
        <source>Audio from %1</source>
        <translation>来自 %1 的音频</translation>
    </message>
    <message>
        <source>media</source>
        <translation>媒体</translation>
    </message>
    <message>
        <source>picture</source>
        <translation>图片</translation>
    </message>
    <message>
        <source>All media files (*.*)</source>
        <translation>所有媒体文件 (*.*)</translation>
    </message>
    <message>
        <source>Choose %1 file to added into the current movie</source>
        <translation>选择要添加到当前影片的%1文件</translation>
    </message>
    <message>
        <source>Extract Audio</source>
        <translation>提取音频</translation>
    </message>
    <message>
        <source>Copying file...</source>
        <translation>正在复制文件...</translation>
    </message>
    <message>
        <source>Error Occurs</source>
        <translation>发生错误</translation>
    </message>
    <message>
        <source>Cannot move the captured photo file</source>
        <translation>无法移动拍摄的照片文件</translation>
    </message>
    <message>
        <source>Cannot move the captured video file</source>
        <translation>无法移动录制的视频文件</translation>
    </message>
    <message>
        <source>Failed to open SRT file</source>
        <translation>无法打开 SRT 文件</translation>
    </message>
    <message>
        <source>No valid subtitles found in SRT file</source>
        <translation>SRT 文件中没有有效的字幕</translation>
    </message>
    <message>
        <source>Successfully imported %1 subtitles from SRT file</source>
        <translation>已从 SRT 文件导入 %1 条字幕</translation>
    </message>
    <message>
        <source>Add Media</source>
        <translation>添加媒体</translation>
    </message>
    <message>
        <source>Add Video</source>
        <translation>添加视频</translation>
    </message>
    <message>
        <source>Add Picture</source>
        <translation>添加图片</translation>
    </message>
    <message>
        <source>Add Music</source>
        <translation>添加音乐</translation>
    </message>
    <message>
        <source>Cannot move the recorded sound file</source>
        <translation>无法移动录制的声音文件</translation>
    </message>
    <message>
        <source>Save as Picture</source>
        <translation>另存为图片</translation>
    </message>
    <message>
        <source>Portable Network Graphics files (*.png)</source>
        <translation>PNG 文件 (*.png)</translation>
    </message>
    <message>
        <source>Saved OK</source>
        <translation>保存成功</translation>
    </message>
    <message>
        <source>Save painting failed</source>
        <translation>保存绘图失败</translation>
    </message>
</context>
<context>
    <name>MediaExplorerHelpTipWidget</name>
    <message>
        <source>You can drag a footage from the Media Explorer and drop it directly at the desired location on a track.</source>
        <translation>您可以从媒体浏览器中拖动素材，并直接放到轨道上的目标位置。</translation>
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
        <translation>氛围</translation>
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
        <translation>乐器</translation>
    </message>
    <message>
        <source>Transition</source>
        <translation>转场</translation>
    </message>
    <message>
        <source>Vehicle</source>
        <translation>交通工具</translation>
    </message>
    <message>
        <source>Animal</source>
        <translation>动物</translation>
    </message>
    <message>
        <source>Emoticons</source>
        <translation>表情</translation>
    </message>
    <message>
        <source>Party</source>
        <translation>派对</translation>
    </message>
    <message>
        <source>Love</source>
        <translation>爱心</translation>
    </message>
    <message>
        <source>Comic Words</source>
        <translation>漫画文字</translation>
    </message>
</context>
<context>
    <name>MediaPreviewControlWidget</name>
    <message>
        <source>Form</source>
        <translation>表单</translation>
    </message>
    <message>
        <source>Close preview</source>
        <translation>关闭预览</translation>
    </message>
</context>
<context>
    <name>MediaPreviewWidget</name>
    <message>
        <source>Form</source>
        <translation>表单</translation>
    </message>
</context>
<context>
    <name>MultiLanguage</name>
    <message>
        <source>Classic</source>
        <translation>经典</translation>
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
        <translation>当前版本</translation>
    </message>
    <message>
        <source>New version</source>
        <translation>新版本</translation>
    </message>
    <message>
        <source>Download new version</source>
        <translation>下载新版本</translation>
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
        <translation>音调</translation>
    </message>
</context>
<context>
    <name>PopupChromaKeyWidget</name>
    <message>
        <source>Chroma Key</source>
        <translation>色度抠像</translation>
    </message>
    <message>
        <source>Sensitivity</source>
        <translation>灵敏度</translation>
    </message>
    <message>
        <source>Smoothing</source>
        <translation>平滑度</translation>
    </message>
    <message>
        <source>On/Off</source>
        <translation>开/关</translation>
    </message>
    <message>
        <source>Key Color</source>
        <translation>抠像颜色</translation>
    </message>
    <message>
        <source>Restore default values</source>
        <translation>恢复默认值</translation>
    </message>
</context>
<context>
    <name>PopupColorMatrixWidget</name>
    <message>
        <source>Recently Used Colors</source>
        <translation>最近使用的颜色</translation>
    </message>
    <message>
        <source>More Colors...</source>
        <translation>更多颜色...</translation>
    </message>
    <message>
        <source>Pick color from preview</source>
        <translation>从预览中取色</translation>
    </message>
</context>
<context>
    <name>PopupColorsScrollWidget</name>
    <message>
        <source>Colors</source>
        <translation>颜色</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>饱和度</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>亮度</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>对比度</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>色温</translation>
    </message>
    <message>
        <source>Exposure</source>
        <translation>曝光</translation>
    </message>
    <message>
        <source>Hue</source>
        <translation>色调</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>红</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>绿</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>蓝</translation>
    </message>
    <message>
        <source>Schemes</source>
        <translation>方案</translation>
    </message>
    <message>
        <source>Save as Scheme...</source>
        <translation>另存为方案...</translation>
    </message>
    <message>
        <source>Manage...</source>
        <translation>管理...</translation>
    </message>
    <message>
        <source>Apply to all segments</source>
        <translation>应用到所有片段</translation>
    </message>
    <message>
        <source>Save as Scheme</source>
        <translation>另存为方案</translation>
    </message>
    <message>
        <source>Enter scheme name</source>
        <translation>输入方案名称</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Color scheme saved</source>
        <translation>颜色方案已保存</translation>
    </message>
    <message>
        <source>Cannot save the color scheme</source>
        <translation>无法保存颜色方案</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>Remove Scheme</source>
        <translation>删除方案</translation>
    </message>
    <message>
        <source>Do you really want to remove scheme &quot;%1&quot;?</source>
        <translation>确定要删除方案“%1”吗？</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Remove scheme failed</source>
        <translation>删除方案失败</translation>
    </message>
</context>
<context>
    <name>PopupColorsScrollWidgetEditItemWidget</name>
    <message>
        <source>Remove</source>
        <translation>删除</translation>
    </message>
</context>
<context>
    <name>PopupEasingFunctionsWidget</name>
    <message>
        <source>In</source>
        <translation>缓入</translation>
    </message>
    <message>
        <source>Out</source>
        <translation>缓出</translation>
    </message>
    <message>
        <source>InOut</source>
        <translation>缓入缓出</translation>
    </message>
    <message>
        <source>Linear</source>
        <translation>线性</translation>
    </message>
    <message>
        <source>Smooth</source>
        <translation>平滑</translation>
    </message>
    <message>
        <source>Circular</source>
        <translation>圆形</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>回弹</translation>
    </message>
    <message>
        <source>Elastic</source>
        <translation>弹性</translation>
    </message>
    <message>
        <source>Bounce</source>
        <translation>弹跳</translation>
    </message>
    <message>
        <source>Easing Type</source>
        <translation>缓动类型</translation>
    </message>
    <message>
        <source>Apply to all transitions</source>
        <translation>应用到所有转场</translation>
    </message>
</context>
<context>
    <name>PopupMediaTypeSelectionWidget</name>
    <message>
        <source>Title</source>
        <translation>标题</translation>
    </message>
    <message>
        <source>Choose File...</source>
        <translation>选择文件...</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>摄像头</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>麦克风</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>文字</translation>
    </message>
    <message>
        <source>Self-Draw</source>
        <translation>手绘</translation>
    </message>
</context>
<context>
    <name>PopupMicrophoneWidget</name>
    <message>
        <source>No microphone</source>
        <translation>无麦克风</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>The temporary folder for the recording cannot be found.</source>
        <translation>找不到用于录音的临时文件夹。</translation>
    </message>
    <message>
        <source>Error Occurs</source>
        <translation>发生错误</translation>
    </message>
    <message>
        <source>The recording holds no sound.</source>
        <translation>录音中没有声音。</translation>
    </message>
    <message>
        <source>The recording could not be finished, so it was not added.</source>
        <translation>录音未能完成，因此未添加。</translation>
    </message>
</context>
<context>
    <name>PopupMovieExportingWidget</name>
    <message>
        <source>Resolution</source>
        <translation>分辨率</translation>
    </message>
    <message>
        <source>Frame Rate</source>
        <translation>帧速率</translation>
    </message>
    <message>
        <source>Video Codec</source>
        <translation>视频编码</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>导出</translation>
    </message>
    <message>
        <source>Exporting movie...</source>
        <translation>正在导出影片...</translation>
    </message>
    <message>
        <source>Please do not exit Vidorna or lock the computer.</source>
        <translation>请勿退出 Vidorna 或锁定电脑。</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Export Failed</source>
        <translation>导出失败</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Current movie has been exported successfully</source>
        <translation>影片已成功导出</translation>
    </message>
    <message>
        <source>Detail</source>
        <translation>详细信息</translation>
    </message>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>大小</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>时长</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>视频</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>音频</translation>
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
        <translation>导出和分享</translation>
    </message>
    <message>
        <source>Select save directory</source>
        <translation>选择保存目录</translation>
    </message>
    <message>
        <source>Estimated time remaining - %1</source>
        <translation>预计剩余时间 - %1</translation>
    </message>
    <message>
        <source>%L1 bytes (%2)</source>
        <translation>%L1 字节 (%2)</translation>
    </message>
    <message>
        <source>None</source>
        <translation>无</translation>
    </message>
</context>
<context>
    <name>PopupProjectSettingsWidget</name>
    <message>
        <source>Configuration</source>
        <translation>配置</translation>
    </message>
    <message>
        <source>Aspect Ratio</source>
        <translation>画面比例</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>视频</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>背景颜色</translation>
    </message>
    <message>
        <source>Transparent</source>
        <translation>透明</translation>
    </message>
    <message>
        <source>Frame Rate</source>
        <translation>帧率</translation>
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
        <translation>在影片页面显示固定封面</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>横屏</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>竖屏</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Frames Per Second</source>
        <translation>每秒帧数</translation>
    </message>
</context>
<context>
    <name>PopupTransitionsListWidget</name>
    <message>
        <source>Title</source>
        <translation>标题</translation>
    </message>
    <message>
        <source>Add Transition</source>
        <translation>添加转场</translation>
    </message>
</context>
<context>
    <name>ProgressHUD</name>
    <message>
        <source>Form</source>
        <translation>表单</translation>
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
        <translation>新建文件夹</translation>
    </message>
    <message>
        <source>Create a new folder</source>
        <translation>新建文件夹</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>移动</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>影片</translation>
    </message>
    <message>
        <source>Move to %1</source>
        <translation>移动到 %1</translation>
    </message>
    <message>
        <source>Copy to %1</source>
        <translation>复制到 %1</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>创建</translation>
    </message>
    <message>
        <source>Enter folder name</source>
        <translation>输入文件夹名称</translation>
    </message>
    <message>
        <source>Create new folder exception occurs</source>
        <translation>创建文件夹时出错</translation>
    </message>
    <message>
        <source>Wrong Name</source>
        <translation>名称无效</translation>
    </message>
    <message>
        <source>A name cannot be empty, &quot;.&quot; or &quot;..&quot;, or hold &quot;/&quot;.</source>
        <translation>名称不能为空，不能是“.”或“..”，也不能包含“/”。</translation>
    </message>
    <message>
        <source>Rename Failed</source>
        <translation>重命名失败</translation>
    </message>
    <message>
        <source>An item with the name &quot;%1&quot; already exists</source>
        <translation>已存在名为“%1”的项目</translation>
    </message>
    <message>
        <source>New Folder Failed</source>
        <translation>新建文件夹失败</translation>
    </message>
</context>
<context>
    <name>ProjectLoader</name>
    <message>
        <source>&quot;%1&quot; was written by a higher version of Vidorna</source>
        <translation>“%1”是由更高版本的 Vidorna 写入的</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a Vidorna project file. Please move it away and archive again.</source>
        <translation>“%1”不是 Vidorna 项目文件。请将其移走，然后重新归档。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a Vidorna project file. Please move it away and save again.</source>
        <translation>“%1”不是 Vidorna 项目文件。请将其移走，然后重新保存。</translation>
    </message>
</context>
<context>
    <name>ProjectXml</name>
    <message>
        <source>&quot;%1&quot; is not a regular file</source>
        <translation>“%1”不是常规文件</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a link that leads nowhere</source>
        <translation>“%1”是指向不存在目标的链接</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be written: %2</source>
        <translation>无法写入“%1”：%2</translation>
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
        <translation>删除当前影片项目</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>重命名</translation>
    </message>
    <message>
        <source>Rename current movie project</source>
        <translation>重命名当前影片项目</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Duplicate current movie project</source>
        <translation>复制当前影片项目</translation>
    </message>
    <message>
        <source>Archive</source>
        <translation>归档</translation>
    </message>
    <message>
        <source>Archive current movie project</source>
        <translation>归档当前影片项目</translation>
    </message>
    <message>
        <source>Select an output directory</source>
        <translation>选择输出文件夹</translation>
    </message>
    <message>
        <source>Archiving project...</source>
        <translation>正在归档项目...</translation>
    </message>
    <message>
        <source>Archive Project Failed</source>
        <translation>归档项目失败</translation>
    </message>
    <message>
        <source>Insufficient Space</source>
        <translation>空间不足</translation>
    </message>
    <message>
        <source>Archive Project Completed</source>
        <translation>项目归档完成</translation>
    </message>
    <message>
        <source>Select an archive to import</source>
        <translation>选择要导入的归档文件</translation>
    </message>
    <message>
        <source>Vidorna Project File (*.vidornaproject)</source>
        <translation>Vidorna 项目文件 (*.vidornaproject)</translation>
    </message>
    <message>
        <source>Importing archive...</source>
        <translation>正在导入归档...</translation>
    </message>
    <message>
        <source>There&apos;s not enough storage space to import this archive. About %1 more space is needed.</source>
        <translation>存储空间不足，无法导入此归档。还需要约 %1 的空间。</translation>
    </message>
    <message>
        <source>Import Completed</source>
        <translation>导入完成</translation>
    </message>
    <message>
        <source>Import Failed</source>
        <translation>导入失败</translation>
    </message>
    <message>
        <source>Import archive error occurs (%1)</source>
        <translation>导入归档时出错 (%1)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Wrong Name</source>
        <translation>名称无效</translation>
    </message>
    <message>
        <source>A name cannot be empty, &quot;.&quot; or &quot;..&quot;, or hold &quot;/&quot;.</source>
        <translation>名称不能为空，不能是“.”或“..”，也不能包含“/”。</translation>
    </message>
    <message>
        <source>Movie In Use</source>
        <translation>影片正在使用</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is open in the editor. Close the movie first.</source>
        <translation>“%1”已在编辑器中打开。请先关闭该影片。</translation>
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
        <translation>创建</translation>
    </message>
    <message>
        <source>Enter project name</source>
        <translation>输入项目名称</translation>
    </message>
    <message>
        <source>Failed to create movie file</source>
        <translation>无法创建影片文件</translation>
    </message>
    <message>
        <source>The named movie already exists</source>
        <translation>已存在同名影片</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>新建文件夹</translation>
    </message>
    <message>
        <source>Enter folder name</source>
        <translation>输入文件夹名称</translation>
    </message>
    <message>
        <source>New Folder Failed</source>
        <translation>新建文件夹失败</translation>
    </message>
    <message>
        <source>An item with the name &quot;%1&quot; already exists</source>
        <translation>已存在名为“%1”的项目</translation>
    </message>
    <message>
        <source>Create new folder exception occurs</source>
        <translation>创建文件夹时出错</translation>
    </message>
    <message>
        <source>Rename Item</source>
        <translation>重命名项目</translation>
    </message>
    <message>
        <source>Enter item name</source>
        <translation>输入项目名称</translation>
    </message>
    <message>
        <source>Rename Failed</source>
        <translation>重命名失败</translation>
    </message>
    <message>
        <source>Rename failed</source>
        <translation>重命名失败</translation>
    </message>
    <message>
        <source>%1 Copy %2</source>
        <translation>%1 副本 %2</translation>
    </message>
    <message>
        <source>%1 Copy</source>
        <translation>%1 副本</translation>
    </message>
    <message>
        <source>Duplicate Movie</source>
        <translation>复制影片</translation>
    </message>
    <message>
        <source>Enter movie name</source>
        <translation>输入影片名称</translation>
    </message>
    <message>
        <source>Failed to duplicate movie</source>
        <translation>复制影片失败</translation>
    </message>
    <message>
        <source>Remove Item</source>
        <translation>移除项目</translation>
    </message>
    <message>
        <source>Do you really want to remove item &quot;%1&quot;?</source>
        <translation>确定要移除项目“%1”吗？</translation>
    </message>
    <message>
        <source>Remove Item(s)</source>
        <translation>移除项目</translation>
    </message>
    <message>
        <source>Do you really want to remove %1 item(s)?</source>
        <translation>确定要移除 %1 个项目吗？</translation>
    </message>
    <message>
        <source>Failed to remove the item(s)</source>
        <translation>无法移除项目</translation>
    </message>
    <message>
        <source>Copying items...</source>
        <translation>正在复制项目...</translation>
    </message>
    <message>
        <source>Moving items...</source>
        <translation>正在移动项目...</translation>
    </message>
    <message>
        <source>Failed to move movie</source>
        <translation>移动影片失败</translation>
    </message>
    <message>
        <source>%1 item(s) copied</source>
        <translation>已复制 %1 个项目</translation>
    </message>
    <message>
        <source>%1 item(s) moved</source>
        <translation>已移动 %1 个项目</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a link to a folder elsewhere. It is kept, so that what that folder holds is not removed with it.</source>
        <translation>“%1”是指向其他位置文件夹的链接。它被保留，以免该文件夹中的内容随之被删除。</translation>
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
        <translation>打开影片失败</translation>
    </message>
    <message>
        <source>This movie is damaged, you cannot open it.</source>
        <translation>此影片已损坏，无法打开。</translation>
    </message>
    <message>
        <source>Open Failed</source>
        <translation>打开失败</translation>
    </message>
    <message>
        <source>This project cannot be opened at this time.</source>
        <translation>当前无法打开此项目。</translation>
    </message>
    <message>
        <source>Failed to open project file</source>
        <translation>无法打开项目文件</translation>
    </message>
    <message>
        <source>Import Project</source>
        <translation>导入项目</translation>
    </message>
    <message>
        <source>Do you want to import project &quot;%1&quot; into Vidorna?</source>
        <translation>是否将项目“%1”导入 Vidorna？</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>导入</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>编辑</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>返回</translation>
    </message>
    <message>
        <source>Import...</source>
        <translation>导入...</translation>
    </message>
    <message>
        <source>Import project</source>
        <translation>导入项目</translation>
    </message>
    <message>
        <source>Create a new folder</source>
        <translation>新建文件夹</translation>
    </message>
    <message>
        <source>Copy selected items to folder</source>
        <translation>将所选项目复制到文件夹</translation>
    </message>
    <message>
        <source>Move selected items to folder</source>
        <translation>将所选项目移动到文件夹</translation>
    </message>
    <message>
        <source>Delete selected items</source>
        <translation>删除所选项目</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>(%1 Items)</source>
        <translation>(%1 个项目)</translation>
    </message>
    <message>
        <source>(1 Item)</source>
        <translation>(1 个项目)</translation>
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
        <translation>表单</translation>
    </message>
</context>
<context>
    <name>RoundCornerEditingWidgetController</name>
    <message>
        <source>Round Corner</source>
        <translation>圆角</translation>
    </message>
</context>
<context>
    <name>SegmentDraggingOperationWidget</name>
    <message>
        <source>Duplicate</source>
        <translation>复制</translation>
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
        <translation>复制</translation>
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
        <translation>添加/编辑转场</translation>
    </message>
    <message>
        <source>Apply to all segments</source>
        <translation>应用到所有片段</translation>
    </message>
</context>
<context>
    <name>SegmentOperationDoubleTapTipWidget</name>
    <message>
        <source>Double click a segment to enter into the edit mode. And double click it again to exit from the edit mode.</source>
        <translation>双击片段进入编辑模式，再次双击即可退出编辑模式。</translation>
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
        <translation>按住片段直到出现黄色边框，然后即可将其拖到所需位置。</translation>
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
        <translation>取消选择</translation>
    </message>
    <message>
        <source>Insert blank</source>
        <translation>插入空白</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
</context>
<context>
    <name>SettingsWidget</name>
    <message>
        <source>Form</source>
        <translation>表单</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>Video Editor UI Layout</source>
        <translation>视频编辑器界面布局</translation>
    </message>
    <message>
        <source>Default Photo Duration</source>
        <translation>照片默认时长</translation>
    </message>
    <message>
        <source>Default Text Duration</source>
        <translation>文字默认时长</translation>
    </message>
    <message>
        <source>Default Self-Drawing Duration</source>
        <translation>手绘默认时长</translation>
    </message>
    <message>
        <source>Auto Save/Apply Segment Properties</source>
        <translation>自动保存/应用片段属性</translation>
    </message>
    <message>
        <source>Save segment properties and apply to the newly added segments</source>
        <translation>保存片段属性并应用到新添加的片段</translation>
    </message>
    <message>
        <source>Reset Saved Segment Properties</source>
        <translation>重置已保存的片段属性</translation>
    </message>
    <message>
        <source>Auto Align When Moving Objects</source>
        <translation>移动对象时自动对齐</translation>
    </message>
    <message>
        <source>Show guides when moving object to center/edges</source>
        <translation>将对象移到中心或边缘时显示参考线</translation>
    </message>
    <message>
        <source>Hardware Acceleration</source>
        <translation>硬件加速</translation>
    </message>
    <message>
        <source>Working Directory</source>
        <translation>工作目录</translation>
    </message>
    <message>
        <source>Auto Copy Files to Movie Directory</source>
        <translation>自动将文件复制到影片目录</translation>
    </message>
    <message>
        <source>Copy files to project directory when adding media to a movie</source>
        <translation>向影片添加媒体时将文件复制到项目目录</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>桌面版</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>经典</translation>
    </message>
    <message>
        <source>Enabled: high performance, loss compatibility</source>
        <translation>已启用：高性能，兼容性较低</translation>
    </message>
    <message>
        <source>Disabled: better compatibility, loss performance</source>
        <translation>已停用：兼容性更好，性能较低</translation>
    </message>
    <message>
        <source>Do you really want to reset the saved segment properties?</source>
        <translation>确定要重置已保存的片段属性吗？</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>重置</translation>
    </message>
    <message>
        <source>Segment properties reset successfully</source>
        <translation>片段属性已重置</translation>
    </message>
    <message>
        <source>Select working directory</source>
        <translation>选择工作目录</translation>
    </message>
    <message>
        <source>Close the open movie before changing the working directory.</source>
        <translation>请先关闭打开的影片，再更改工作目录。</translation>
    </message>
    <message>
        <source>No movie can be kept in &quot;%1&quot;: the folder &quot;Projects&quot; cannot be created there. Choose another folder.</source>
        <translation>“%1”中无法保存影片：无法在此创建“Projects”文件夹。请选择其他文件夹。</translation>
    </message>
</context>
<context>
    <name>ShadowEditingWidgetController</name>
    <message>
        <source>Shadow</source>
        <translation>阴影</translation>
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
        <translation>影片</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>New Movie...</source>
        <translation>新建影片...</translation>
    </message>
    <message>
        <source>New Folder...</source>
        <translation>新建文件夹...</translation>
    </message>
    <message>
        <source>Import...</source>
        <translation>导入...</translation>
    </message>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Vidorna Help</source>
        <translation>Vidorna 帮助</translation>
    </message>
    <message>
        <source>Get Vidorna on Smartphones</source>
        <translation>获取手机版 Vidorna</translation>
    </message>
    <message>
        <source>Feedback...</source>
        <translation>反馈...</translation>
    </message>
    <message>
        <source>About Vidorna</source>
        <translation>关于 Vidorna</translation>
    </message>
    <message>
        <source>How do you think about Vidorna? What features do you want to see in the next version of Vidorna? Or do you want to report a bug? All about Vidorna, please tell us.







&lt;From Vidorna v%1 on %2 with %3&gt;</source>
        <translation>您觉得 Vidorna 怎么样？您希望在下一版 Vidorna 中看到哪些功能？或者您想报告一个错误？关于 Vidorna 的一切，请告诉我们。







&lt;来自 Vidorna v%1，%2，%3&gt;</translation>
    </message>
    <message>
        <source>Help Center</source>
        <translation>帮助中心</translation>
    </message>
</context>
<context>
    <name>StrokeBorderEditingWidgetController</name>
    <message>
        <source>Border Size &amp; Color</source>
        <translation>边框大小和颜色</translation>
    </message>
    <message>
        <source>Tolerance</source>
        <translation>容差</translation>
    </message>
    <message>
        <source>Intensity</source>
        <translation>强度</translation>
    </message>
    <message>
        <source>Stroke</source>
        <translation>描边</translation>
    </message>
</context>
<context>
    <name>TabsMediaExplorerWidget</name>
    <message>
        <source>Form</source>
        <translation>窗体</translation>
    </message>
    <message>
        <source>Local Files</source>
        <translation>本地文件</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>音乐</translation>
    </message>
    <message>
        <source>Sound FX</source>
        <translation>音效</translation>
    </message>
    <message>
        <source>Stickers</source>
        <translation>贴纸</translation>
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
        <translation>窗体</translation>
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
        <translation>间距</translation>
    </message>
    <message>
        <source>Round Corner</source>
        <translation>圆角</translation>
    </message>
</context>
<context>
    <name>TextFontEditingWidget</name>
    <message>
        <source>Form</source>
        <translation>窗体</translation>
    </message>
</context>
<context>
    <name>TextSizeEditingWidgetController</name>
    <message>
        <source>Text Size &amp; Color</source>
        <translation>文字大小和颜色</translation>
    </message>
</context>
<context>
    <name>TextureGridWidget</name>
    <message>
        <source>Custom Picture...</source>
        <translation>自定义图片...</translation>
    </message>
    <message>
        <source>Open a Picture</source>
        <translation>打开图片</translation>
    </message>
</context>
<context>
    <name>TransitionsEditingWidget</name>
    <message>
        <source>Form</source>
        <translation>窗体</translation>
    </message>
    <message>
        <source>Transitions</source>
        <translation>转场</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>时长</translation>
    </message>
    <message>
        <source>Add Transition</source>
        <translation>添加转场</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Easing type</source>
        <translation>缓动类型</translation>
    </message>
    <message>
        <source>End</source>
        <translation>结束</translation>
    </message>
    <message>
        <source>Press &quot;+&quot; to add a transition</source>
        <translation>按“+”添加转场</translation>
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
        <translation>帮助中心</translation>
    </message>
    <message>
        <source>No web browser could be opened for the help pages. You can read them at this address:</source>
        <translation>无法打开网页浏览器来显示帮助页面。您可以在此地址阅读:</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 字节</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>今天</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>立体声</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>单声道</translation>
    </message>
    <message>
        <source>All video files (*.mp4 *.mov *.m4v *.avi *.wmv *.asf *.mkv *.3gp *.mpg *.mpeg *.dat *.m2v *.vob *.rm *.rmvb *.webm)</source>
        <translation>所有视频文件 (*.mp4 *.mov *.m4v *.avi *.wmv *.asf *.mkv *.3gp *.mpg *.mpeg *.dat *.m2v *.vob *.rm *.rmvb *.webm)</translation>
    </message>
    <message>
        <source>All picture files (*.png *.gif *.jpg *.jpeg *.bmp *.dib *.pbm *.pgm *.ppm *.xbm *.xpm *.svg *.tiff *.tif *.webp *.heic)</source>
        <translation>所有图片文件 (*.png *.gif *.jpg *.jpeg *.bmp *.dib *.pbm *.pgm *.ppm *.xbm *.xpm *.svg *.tiff *.tif *.webp *.heic)</translation>
    </message>
    <message>
        <source>All music files (*.mp3 *.wav *.m4a *.mid *.wma *.vqf *.ra)</source>
        <translation>所有音乐文件 (*.mp3 *.wav *.m4a *.mid *.wma *.vqf *.ra)</translation>
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
        <translation>未知编解码器</translation>
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
        <translation>视频工具</translation>
    </message>
    <message>
        <source>Grab image from video</source>
        <translation>从视频截取图片</translation>
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
