<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>MultiLanguage</name>
    <message>
        <source>Classic</source>
        <translation>Классический</translation>
    </message>
</context>
<context>
    <name>Util</name>
    <message>
        <source>%1 bytes</source>
        <translation>%1 байт</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Сегодня</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>Стерео</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>Моно</translation>
    </message>
    <message>
        <source>All video files (*.mp4 *.mov *.m4v *.avi *.wmv *.asf *.mkv *.3gp *.mpg *.mpeg *.dat *.m2v *.vob *.rm *.rmvb *.webm)</source>
        <translation>Все видеофайлы (*.mp4 *.mov *.m4v *.avi *.wmv *.asf *.mkv *.3gp *.mpg *.mpeg *.dat *.m2v *.vob *.rm *.rmvb *.webm)</translation>
    </message>
    <message>
        <source>All picture files (*.png *.gif *.jpg *.jpeg *.bmp *.dib *.pbm *.pgm *.ppm *.xbm *.xpm *.svg *.tiff *.tif *.webp *.heic)</source>
        <translation>Все файлы изображений (*.png *.gif *.jpg *.jpeg *.bmp *.dib *.pbm *.pgm *.ppm *.xbm *.xpm *.svg *.tiff *.tif *.webp *.heic)</translation>
    </message>
    <message>
        <source>All music files (*.mp3 *.wav *.m4a *.mid *.wma *.vqf *.ra)</source>
        <translation>Все музыкальные файлы (*.mp3 *.wav *.m4a *.mid *.wma *.vqf *.ra)</translation>
    </message>
</context>
</TS>
