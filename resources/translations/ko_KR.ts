<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
<context>
    <name>MultiLanguage</name>
    <message>
        <source>Classic</source>
        <translation>권위 있는</translation>
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
</context>
</TS>
