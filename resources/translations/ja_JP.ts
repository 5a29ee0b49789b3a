<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>MultiLanguage</name>
    <message>
        <source>Classic</source>
        <translation>クラシック</translation>
    </message>
</context>
<context>
    <name>Util</name>
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
</context>
</TS>
