<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>MultiLanguage</name>
    <message>
        <source>Classic</source>
        <translation>Clássico</translation>
    </message>
</context>
<context>
    <name>Util</name>
    <message>
        <source>%1 bytes</source>
        <translation>%1 bytes</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Hoje</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>Estéreo</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source>All video files (*.mp4 *.mov *.m4v *.avi *.wmv *.asf *.mkv *.3gp *.mpg *.mpeg *.dat *.m2v *.vob *.rm *.rmvb *.webm)</source>
        <translation>Todos os arquivos de vídeo (*.mp4 *.mov *.m4v *.avi *.wmv *.asf *.mkv *.3gp *.mpg *.mpeg *.dat *.m2v *.vob *.rm *.rmvb *.webm)</translation>
    </message>
    <message>
        <source>All picture files (*.png *.gif *.jpg *.jpeg *.bmp *.dib *.pbm *.pgm *.ppm *.xbm *.xpm *.svg *.tiff *.tif *.webp *.heic)</source>
        <translation>Todos os arquivos de imagem (*.png *.gif *.jpg *.jpeg *.bmp *.dib *.pbm *.pgm *.ppm *.xbm *.xpm *.svg *.tiff *.tif *.webp *.heic)</translation>
    </message>
    <message>
        <source>All music files (*.mp3 *.wav *.m4a *.mid *.wma *.vqf *.ra)</source>
        <translation>Todos os arquivos de música (*.mp3 *.wav *.m4a *.mid *.wma *.vqf *.ra)</translation>
    </message>
</context>
</TS>
