<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
<context>
    <name>LocalFilesWidget</name>
    <message>
        <source>Form</source>
        <translation>양식</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>동영상</translation>
    </message>
    <message>
        <source>All</source>
        <translation>전체</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>비디오</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>사진</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>오디오</translation>
    </message>
    <message>
        <source>Directory not found</source>
        <translation>폴더를 찾을 수 없습니다</translation>
    </message>
    <message>
        <source>Select Directory...</source>
        <translation>폴더 선택...</translation>
    </message>
    <message>
        <source>Select Directory</source>
        <translation>폴더 선택</translation>
    </message>
    <message>
        <source>Icon Mode</source>
        <translation>아이콘 보기</translation>
    </message>
    <message>
        <source>List Mode</source>
        <translation>목록 보기</translation>
    </message>
    <message>
        <source>Show in File Explorer</source>
        <translation>파일 탐색기에서 보기</translation>
    </message>
</context>
<context>
    <name>MediaExplorerHelpTipWidget</name>
    <message>
        <source>You can drag a footage from the Media Explorer and drop it directly at the desired location on a track.</source>
        <translation>미디어 탐색기에서 영상을 끌어 트랙의 원하는 위치에 바로 놓을 수 있습니다.</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>확인</translation>
    </message>
</context>
<context>
    <name>MultiLanguage</name>
    <message>
        <source>Classic</source>
        <translation>권위 있는</translation>
    </message>
</context>
<context>
    <name>PopupChromaKeyWidget</name>
    <message>
        <source>Chroma Key</source>
        <translation>크로마 키</translation>
    </message>
    <message>
        <source>Sensitivity</source>
        <translation>감도</translation>
    </message>
    <message>
        <source>Smoothing</source>
        <translation>스무딩</translation>
    </message>
    <message>
        <source>On/Off</source>
        <translation>켜기/끄기</translation>
    </message>
    <message>
        <source>Key Color</source>
        <translation>키 색상</translation>
    </message>
    <message>
        <source>Restore default values</source>
        <translation>기본값 복원</translation>
    </message>
</context>
<context>
    <name>PopupColorMatrixWidget</name>
    <message>
        <source>Recently Used Colors</source>
        <translation>최근 사용한 색상</translation>
    </message>
    <message>
        <source>More Colors...</source>
        <translation>다른 색상...</translation>
    </message>
    <message>
        <source>Pick color from preview</source>
        <translation>미리보기에서 색상 선택</translation>
    </message>
</context>
<context>
    <name>ProgressHUD</name>
    <message>
        <source>Form</source>
        <translation>양식</translation>
    </message>
</context>
<context>
    <name>SegmentOperationDoubleTapTipWidget</name>
    <message>
        <source>Double click a segment to enter into the edit mode. And double click it again to exit from the edit mode.</source>
        <translation>세그먼트를 두 번 클릭하면 편집 모드로 들어갑니다. 다시 두 번 클릭하면 편집 모드에서 나옵니다.</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>확인</translation>
    </message>
</context>
<context>
    <name>SegmentOperationPressAndDragTipWidget</name>
    <message>
        <source>Press and hold on a segment till the yellow frame appears, then you can drag it to the place you want.</source>
        <translation>노란색 테두리가 나타날 때까지 세그먼트를 길게 누른 다음 원하는 위치로 끌 수 있습니다.</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>확인</translation>
    </message>
</context>
<context>
    <name>Util</name>
    <message>
        <source>%1 bytes</source>
        <translation>%1 바이트</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>오늘</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>스테레오</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>모노</translation>
    </message>
    <message>
        <source>All video files (*.mp4 *.mov *.m4v *.avi *.wmv *.asf *.mkv *.3gp *.mpg *.mpeg *.dat *.m2v *.vob *.rm *.rmvb *.webm)</source>
        <translation>모든 비디오 파일 (*.mp4 *.mov *.m4v *.avi *.wmv *.asf *.mkv *.3gp *.mpg *.mpeg *.dat *.m2v *.vob *.rm *.rmvb *.webm)</translation>
    </message>
    <message>
        <source>All picture files (*.png *.gif *.jpg *.jpeg *.bmp *.dib *.pbm *.pgm *.ppm *.xbm *.xpm *.svg *.tiff *.tif *.webp *.heic)</source>
        <translation>모든 사진 파일 (*.png *.gif *.jpg *.jpeg *.bmp *.dib *.pbm *.pgm *.ppm *.xbm *.xpm *.svg *.tiff *.tif *.webp *.heic)</translation>
    </message>
    <message>
        <source>All music files (*.mp3 *.wav *.m4a *.mid *.wma *.vqf *.ra)</source>
        <translation>모든 음악 파일 (*.mp3 *.wav *.m4a *.mid *.wma *.vqf *.ra)</translation>
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
        <translation>M. d.</translation>
    </message>
    <message>
        <source>M/d/yyyy</source>
        <extracomment>Date format (QDateTime::toString) of a date in another year: month/day/year.</extracomment>
        <translation>yyyy. M. d.</translation>
    </message>
    <message>
        <source>Unknown codec</source>
        <translation>알 수 없는 코덱</translation>
    </message>
    <message>
        <source>%1, %2, %3 Hz</source>
        <extracomment>Audio stream: codec, channels (Stereo or Mono), sample rate.</extracomment>
        <translation>%1, %2, %3 Hz</translation>
    </message>
    <message>
        <source>%1, %2 x %3</source>
        <extracomment>Video stream: codec, width, height in pixels.</extracomment>
        <translation>%1, %2 x %3</translation>
    </message>
</context>
</TS>
