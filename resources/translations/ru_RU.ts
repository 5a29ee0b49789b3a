<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Vidorna</source>
        <translation>О программе Vidorna</translation>
    </message>
    <message>
        <source>Homepage</source>
        <translation>Сайт</translation>
    </message>
    <message>
        <source>Copyright © 2026 Peltrane Software.</source>
        <translation>© Peltrane Software, 2026.</translation>
    </message>
    <message>
        <source>All rights reserved.</source>
        <translation>Все права защищены.</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Версия %1</translation>
    </message>
</context>
<context>
    <name>BorderEditingWidgetController</name>
    <message>
        <source>Border Size &amp; Color</source>
        <translation>Размер и цвет рамки</translation>
    </message>
</context>
<context>
    <name>CameraDialog</name>
    <message>
        <source>No camera</source>
        <translation>Нет камеры</translation>
    </message>
    <message>
        <source>Opening camera...</source>
        <translation>Открытие камеры...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Retake</source>
        <translation>Переснять</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Использовать</translation>
    </message>
    <message>
        <source>Capture video</source>
        <translation>Снять видео</translation>
    </message>
    <message>
        <source>Capture still image</source>
        <translation>Сделать снимок</translation>
    </message>
    <message>
        <source>Toggle Capture Type
Current: %1</source>
        <translation>Сменить режим съёмки
Сейчас: %1</translation>
    </message>
    <message>
        <source>Capture Error</source>
        <translation>Ошибка съёмки</translation>
    </message>
    <message>
        <source>The recording was not saved.</source>
        <translation>Запись не сохранена.</translation>
    </message>
    <message>
        <source>Camera Error</source>
        <translation>Ошибка камеры</translation>
    </message>
    <message>
        <source>Image Capture Error</source>
        <translation>Ошибка съёмки снимка</translation>
    </message>
</context>
<context>
    <name>CanvasWidget</name>
    <message>
        <source>Edit Text</source>
        <translation>Изменить текст</translation>
    </message>
    <message>
        <source>Add Text</source>
        <translation>Добавить текст</translation>
    </message>
    <message>
        <source>Enter text here</source>
        <translation>Введите текст здесь</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Insert a Picture</source>
        <translation>Вставить изображение</translation>
    </message>
</context>
<context>
    <name>CommonMainWindow</name>
    <message>
        <source>Done</source>
        <translation>Готово</translation>
    </message>
</context>
<context>
    <name>CrashHandler</name>
    <message>
        <source>App crash catched!</source>
        <translation>Приложение аварийно завершилось!</translation>
    </message>
    <message>
        <source>%1: 0x%2</source>
        <translation>%1: 0x%2</translation>
    </message>
    <message>
        <source>Error code</source>
        <translation>Код ошибки</translation>
    </message>
    <message>
        <source>Error address</source>
        <translation>Адрес ошибки</translation>
    </message>
    <message>
        <source>Crash report &apos;%1&apos; has been saved to %2</source>
        <translation>Отчёт о сбое «%1» сохранён в %2</translation>
    </message>
    <message>
        <source>Crash Occurs</source>
        <translation>Произошёл сбой</translation>
    </message>
</context>
<context>
    <name>CropAreaWidget</name>
    <message>
        <source>Feathering %1%</source>
        <translation>Растушевка %1%</translation>
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
        <translation>Экспортировать фильм</translation>
    </message>
    <message>
        <source>Fullscreen Preview</source>
        <translation>Предпросмотр во весь экран</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Скрыть</translation>
    </message>
    <message>
        <source>MainWindow</source>
        <translation>Главное окно</translation>
    </message>
    <message>
        <source>Movie configuration</source>
        <translation>Настройки фильма</translation>
    </message>
    <message>
        <source>Next position</source>
        <translation>Следующая позиция</translation>
    </message>
    <message>
        <source>No editing segment</source>
        <translation>Нет редактируемого фрагмента</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Воспроизведение/пауза</translation>
    </message>
    <message>
        <source>Preview Resolution</source>
        <translation>Разрешение предпросмотра</translation>
    </message>
    <message>
        <source>Preview Scale</source>
        <translation>Масштаб предпросмотра</translation>
    </message>
    <message>
        <source>Preview resolution</source>
        <translation>Разрешение предпросмотра</translation>
    </message>
    <message>
        <source>Preview scale</source>
        <translation>Масштаб предпросмотра</translation>
    </message>
    <message>
        <source>Previous position</source>
        <translation>Предыдущая позиция</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Отменить</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>Save &amp;&amp; Close</source>
        <translation>Сохранить и закрыть</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Правка</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Вид</translation>
    </message>
    <message>
        <source>Media Explorer</source>
        <translation>Обозреватель медиа</translation>
    </message>
    <message>
        <source>Segment Inspector</source>
        <translation>Инспектор сегмента</translation>
    </message>
    <message>
        <source>Segment</source>
        <translation>Сегмент</translation>
    </message>
    <message>
        <source>Transition</source>
        <translation>Переход</translation>
    </message>
    <message>
        <source>Movie</source>
        <translation>Фильм</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Vidorna Help</source>
        <translation>Справка Vidorna</translation>
    </message>
    <message>
        <source>Get Vidorna on Smartphones</source>
        <translation>Vidorna для смартфонов</translation>
    </message>
    <message>
        <source>About Vidorna</source>
        <translation>О программе Vidorna</translation>
    </message>
    <message>
        <source>Cropping...</source>
        <translation>Кадрирование...</translation>
    </message>
    <message>
        <source>Editing...</source>
        <translation>Редактирование...</translation>
    </message>
    <message>
        <source>Drawing...</source>
        <translation>Рисование...</translation>
    </message>
    <message>
        <source>Linear</source>
        <translation>Линейная</translation>
    </message>
    <message>
        <source>%1</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>%1 In</source>
        <translation>%1: вход</translation>
    </message>
    <message>
        <source>%1 Out</source>
        <translation>%1: выход</translation>
    </message>
    <message>
        <source>%1 InOut</source>
        <translation>%1: вход и выход</translation>
    </message>
    <message>
        <source>Smooth</source>
        <translation>Плавная</translation>
    </message>
    <message>
        <source>Circular</source>
        <translation>Круговая</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Откат</translation>
    </message>
    <message>
        <source>Elastic</source>
        <translation>Упругая</translation>
    </message>
    <message>
        <source>Bounce</source>
        <translation>Отскок</translation>
    </message>
</context>
<context>
    <name>DoneButtonEditingWidget</name>
    <message>
        <source>Done</source>
        <translation>Готово</translation>
    </message>
</context>
<context>
    <name>DrawingCommonToolsWidget</name>
    <message>
        <source>Free Pencil</source>
        <translation>Свободный карандаш</translation>
    </message>
    <message>
        <source>Spray</source>
        <translation>Распылитель</translation>
    </message>
    <message>
        <source>Texture</source>
        <translation>Текстура</translation>
    </message>
    <message>
        <source>Eraser</source>
        <translation>Ластик</translation>
    </message>
    <message>
        <source>Clear Painting</source>
        <translation>Очистить рисунок</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Отменить</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Повторить</translation>
    </message>
    <message>
        <source>Line Width</source>
        <translation>Толщина линии</translation>
    </message>
    <message>
        <source>Straight Line</source>
        <translation>Прямая линия</translation>
    </message>
    <message>
        <source>Rectangle Outline</source>
        <translation>Контур прямоугольника</translation>
    </message>
    <message>
        <source>Filled Rectangle</source>
        <translation>Заполненный прямоугольник</translation>
    </message>
    <message>
        <source>Round Rectangle Outline</source>
        <translation>Контур скруглённого прямоугольника</translation>
    </message>
    <message>
        <source>Filled Round Rectangle</source>
        <translation>Заполненный скруглённый прямоугольник</translation>
    </message>
    <message>
        <source>Circle Outline</source>
        <translation>Контур круга</translation>
    </message>
    <message>
        <source>Filled Circle</source>
        <translation>Заполненный круг</translation>
    </message>
    <message>
        <source>Ellipse Outline</source>
        <translation>Контур эллипса</translation>
    </message>
    <message>
        <source>Filled Ellipse</source>
        <translation>Заполненный эллипс</translation>
    </message>
    <message>
        <source>Triangle Outline</source>
        <translation>Контур треугольника</translation>
    </message>
    <message>
        <source>Filled Triangle</source>
        <translation>Заполненный треугольник</translation>
    </message>
    <message>
        <source>Rhombus Outline</source>
        <translation>Контур ромба</translation>
    </message>
    <message>
        <source>Filled Rhombus</source>
        <translation>Заполненный ромб</translation>
    </message>
    <message>
        <source>Pentagram Outline</source>
        <translation>Контур звезды</translation>
    </message>
    <message>
        <source>Filled Pentagram</source>
        <translation>Заполненная звезда</translation>
    </message>
    <message>
        <source>Pentagon Outline</source>
        <translation>Контур пятиугольника</translation>
    </message>
    <message>
        <source>Filled Pentagon</source>
        <translation>Заполненный пятиугольник</translation>
    </message>
    <message>
        <source>Heart Outline</source>
        <translation>Контур сердца</translation>
    </message>
    <message>
        <source>Filled Heart</source>
        <translation>Заполненное сердце</translation>
    </message>
    <message>
        <source>Save to Album</source>
        <translation>Сохранить в альбом</translation>
    </message>
    <message>
        <source>Insert Text</source>
        <translation>Вставить текст</translation>
    </message>
    <message>
        <source>Insert Picture</source>
        <translation>Вставить изображение</translation>
    </message>
    <message>
        <source>Stroke Hardness</source>
        <translation>Жёсткость штриха</translation>
    </message>
    <message>
        <source>Linear Gradient</source>
        <translation>Линейный градиент</translation>
    </message>
    <message>
        <source>Radial Gradient</source>
        <translation>Радиальный градиент</translation>
    </message>
    <message>
        <source>Switch between pencil and eraser</source>
        <translation>Переключить карандаш и ластик</translation>
    </message>
    <message>
        <source>Dashed Line</source>
        <translation>Штриховая линия</translation>
    </message>
    <message>
        <source>Dotted Line</source>
        <translation>Пунктирная линия</translation>
    </message>
    <message>
        <source>Arrow Line</source>
        <translation>Стрелка</translation>
    </message>
</context>
<context>
    <name>DrawingTuningWidget</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>Select picture</source>
        <translation>Выбрать изображение</translation>
    </message>
    <message>
        <source>Picture size</source>
        <translation>Размер изображения</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Change text</source>
        <translation>Изменить текст</translation>
    </message>
    <message>
        <source>Text alignment</source>
        <translation>Выравнивание текста</translation>
    </message>
    <message>
        <source>Text size</source>
        <translation>Размер текста</translation>
    </message>
    <message>
        <source>Text font</source>
        <translation>Шрифт текста</translation>
    </message>
    <message>
        <source>Line width</source>
        <translation>Толщина линии</translation>
    </message>
    <message>
        <source>Hardness</source>
        <translation>Жёсткость</translation>
    </message>
    <message>
        <source>Text Size</source>
        <translation>Размер текста</translation>
    </message>
    <message>
        <source>Picture Size</source>
        <translation>Размер изображения</translation>
    </message>
</context>
<context>
    <name>EditButtonEditingWidget</name>
    <message>
        <source>Edit</source>
        <translation>Изменить</translation>
    </message>
</context>
<context>
    <name>EditButtonEditingWidgetController</name>
    <message>
        <source>Text</source>
        <translation>Текст</translation>
    </message>
    <message>
        <source>Edit Text</source>
        <translation>Изменить текст</translation>
    </message>
    <message>
        <source>Self-Draw</source>
        <translation>Свой рисунок</translation>
    </message>
    <message>
        <source>Edit Drawing</source>
        <translation>Изменить рисунок</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Фото</translation>
    </message>
    <message>
        <source>Change Photo</source>
        <translation>Заменить фото</translation>
    </message>
</context>
<context>
    <name>EditableGradientWidget</name>
    <message>
        <source>Choose Color</source>
        <translation>Выбрать цвет</translation>
    </message>
    <message>
        <source>No Color</source>
        <translation>Без цвета</translation>
    </message>
</context>
<context>
    <name>FullscreenControlWidget</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>Previous position</source>
        <translation>Предыдущая позиция</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Воспроизведение/пауза</translation>
    </message>
    <message>
        <source>Next position</source>
        <translation>Следующая позиция</translation>
    </message>
    <message>
        <source>Exit fullscreen</source>
        <translation>Выйти из полноэкранного режима</translation>
    </message>
</context>
<context>
    <name>GeometryEditingWidget</name>
    <message>
        <source>Geometry</source>
        <translation>Геометрия</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>W</source>
        <translation>Ш</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>H</source>
        <translation>В</translation>
    </message>
    <message>
        <source>Rotate Clockwise</source>
        <translation>Повернуть по часовой стрелке</translation>
    </message>
    <message>
        <source>Rotate Counterclockwise</source>
        <translation>Повернуть против часовой стрелки</translation>
    </message>
    <message>
        <source>Crop &amp; Feathering</source>
        <translation>Обрезка и растушёвка</translation>
    </message>
    <message>
        <source>Flip Horizontally</source>
        <translation>Отразить по горизонтали</translation>
    </message>
    <message>
        <source>Flip Vertically</source>
        <translation>Отразить по вертикали</translation>
    </message>
    <message>
        <source>Maintain aspect ratio</source>
        <translation>Сохранять пропорции</translation>
    </message>
    <message>
        <source>Restore the default</source>
        <translation>Восстановить по умолчанию</translation>
    </message>
    <message>
        <source>Perspective (Four-point positioning)</source>
        <translation>Перспектива (позиционирование по четырём точкам)</translation>
    </message>
    <message>
        <source>Top Left Corner</source>
        <translation>Левый верхний угол</translation>
    </message>
    <message>
        <source>Top Right Corner</source>
        <translation>Правый верхний угол</translation>
    </message>
    <message>
        <source>Bottom Right Corner</source>
        <translation>Правый нижний угол</translation>
    </message>
    <message>
        <source>Bottom Left Corner</source>
        <translation>Левый нижний угол</translation>
    </message>
</context>
<context>
    <name>GiphyGifsWidget</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>Search GIPHY</source>
        <translation>Поиск в GIPHY</translation>
    </message>
    <message>
        <source>Network error (code=%1)</source>
        <translation>Ошибка сети (код=%1)</translation>
    </message>
    <message>
        <source>Network error (code=%1 %2)</source>
        <translation>Ошибка сети (код=%1 %2)</translation>
    </message>
    <message>
        <source>Network failed (Status code=%1)</source>
        <translation>Сбой сети (код состояния=%1)</translation>
    </message>
    <message>
        <source>Parse data error (code=%1)</source>
        <translation>Ошибка разбора данных (код=%1)</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Обновить</translation>
    </message>
    <message>
        <source>Downloading file...</source>
        <translation>Загрузка файла...</translation>
    </message>
    <message>
        <source>Download error (code=%1)</source>
        <translation>Ошибка загрузки (код=%1)</translation>
    </message>
</context>
<context>
    <name>HorizontalMediaExplorerWidget</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Show pictures only</source>
        <translation>Показывать только изображения</translation>
    </message>
    <message>
        <source>Show videos only</source>
        <translation>Показывать только видео</translation>
    </message>
    <message>
        <source>Show music only</source>
        <translation>Показывать только музыку</translation>
    </message>
    <message>
        <source>Show media from the system Photos and Music app</source>
        <translation>Показывать медиафайлы из системных приложений «Фото» и «Музыка»</translation>
    </message>
    <message>
        <source>Show media from the In-App Library</source>
        <translation>Показывать медиафайлы из встроенной библиотеки</translation>
    </message>
    <message>
        <source>Show media from the Local Files (iTunes File Sharing) folder</source>
        <translation>Показывать медиафайлы из папки «Локальные файлы» (общий доступ к файлам iTunes)</translation>
    </message>
</context>
<context>
    <name>LocalFilesWidget</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>Фильмы</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Все</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Видео</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Изображения</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Аудио</translation>
    </message>
    <message>
        <source>Directory not found</source>
        <translation>Папка не найдена</translation>
    </message>
    <message>
        <source>Select Directory...</source>
        <translation>Выбрать папку...</translation>
    </message>
    <message>
        <source>Select Directory</source>
        <translation>Выбрать папку</translation>
    </message>
    <message>
        <source>Icon Mode</source>
        <translation>Значки</translation>
    </message>
    <message>
        <source>List Mode</source>
        <translation>Список</translation>
    </message>
    <message>
        <source>Show in File Explorer</source>
        <translation>Показать в проводнике</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Maintain aspect ratio</source>
        <translation>Сохранять пропорции</translation>
    </message>
    <message>
        <source>Restore the default</source>
        <translation>Восстановить по умолчанию</translation>
    </message>
    <message>
        <source>Fill the screen</source>
        <translation>Заполнить экран</translation>
    </message>
    <message>
        <source>Edit Text</source>
        <translation>Изменить текст</translation>
    </message>
    <message>
        <source>Original Size</source>
        <translation>Исходный размер</translation>
    </message>
    <message>
        <source>Edit Drawing</source>
        <translation>Изменить рисунок</translation>
    </message>
    <message>
        <source>Editing properties applied to all %1 segments</source>
        <translation>Параметры редактирования применены ко всем сегментам типа «%1»</translation>
    </message>
    <message>
        <source>video</source>
        <translation>видео</translation>
    </message>
    <message>
        <source>image</source>
        <translation>изображение</translation>
    </message>
    <message>
        <source>self-draw</source>
        <translation>рисунок</translation>
    </message>
    <message>
        <source>text</source>
        <translation>текст</translation>
    </message>
    <message>
        <source>music</source>
        <translation>музыка</translation>
    </message>
    <message>
        <source>voice</source>
        <translation>голос</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Отменить</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Повторить</translation>
    </message>
    <message>
        <source>Enter Range Selection</source>
        <translation>Начать выделение диапазона</translation>
    </message>
    <message>
        <source>Toggle Insert/Overwite Mode</source>
        <translation>Переключить режим вставки/замены</translation>
    </message>
    <message>
        <source>Finish Editing</source>
        <translation>Завершить редактирование</translation>
    </message>
    <message>
        <source>Edit Transitions</source>
        <translation>Изменить переходы</translation>
    </message>
    <message>
        <source>Finish Editing Transitions</source>
        <translation>Завершить изменение переходов</translation>
    </message>
    <message>
        <source>Cancel Range Selection</source>
        <translation>Отменить выделение диапазона</translation>
    </message>
    <message>
        <source>Overwrite Mode On</source>
        <translation>Режим замены включён</translation>
    </message>
    <message>
        <source>Insert Mode On</source>
        <translation>Режим вставки включён</translation>
    </message>
    <message>
        <source>Toggle Insert/Overwrite Mode
Current: Overwrite mode</source>
        <translation>Переключить режим вставки/замены
Текущий: режим замены</translation>
    </message>
    <message>
        <source>Toggle Insert/Overwrite Mode
Current: Insert mode</source>
        <translation>Переключить режим вставки/замены
Текущий: режим вставки</translation>
    </message>
    <message>
        <source>Unable to undo temporarily</source>
        <translation>Сейчас отменить нельзя</translation>
    </message>
    <message>
        <source>Unable to redo temporarily</source>
        <translation>Сейчас повторить нельзя</translation>
    </message>
    <message>
        <source>Toggle Fullscreen</source>
        <translation>Переключить полноэкранный режим</translation>
    </message>
    <message>
        <source>Add File...</source>
        <translation>Добавить файл...</translation>
    </message>
    <message>
        <source>Add from Camera...</source>
        <translation>Добавить с камеры...</translation>
    </message>
    <message>
        <source>Add from Microphone...</source>
        <translation>Добавить с микрофона...</translation>
    </message>
    <message>
        <source>Add Text</source>
        <translation>Добавить текст</translation>
    </message>
    <message>
        <source>Add Self-Draw</source>
        <translation>Добавить рисунок</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Изменить</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Дублировать</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Убрать</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Разделить</translation>
    </message>
    <message>
        <source>Add Transition</source>
        <translation>Добавить переход</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Edit Transition</source>
        <translation>Изменить переход</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Воспроизведение/пауза</translation>
    </message>
    <message>
        <source>Next Position</source>
        <translation>Следующая позиция</translation>
    </message>
    <message>
        <source>Previous Position</source>
        <translation>Предыдущая позиция</translation>
    </message>
    <message>
        <source>Export &amp;&amp; Share</source>
        <translation>Экспорт &amp;&amp; публикация</translation>
    </message>
    <message>
        <source>Configuration...</source>
        <translation>Настройки...</translation>
    </message>
    <message>
        <source>Open properties error occurs (%1)</source>
        <translation>Ошибка при открытии свойств (%1)</translation>
    </message>
    <message>
        <source>Opening...</source>
        <translation>Открытие...</translation>
    </message>
    <message>
        <source>Open project error occurs (%1)</source>
        <translation>Ошибка при открытии проекта (%1)</translation>
    </message>
    <message>
        <source>Convert Project Failed</source>
        <translation>Не удалось преобразовать проект</translation>
    </message>
    <message>
        <source>Open Project Failed</source>
        <translation>Не удалось открыть проект</translation>
    </message>
    <message>
        <source>Current movie project is damaged.</source>
        <translation>Текущий видеопроект повреждён.</translation>
    </message>
    <message>
        <source>Higher Version Project</source>
        <translation>Проект более новой версии</translation>
    </message>
    <message>
        <source>Vidorna can not open the higher version movie project. Please update Vidorna to the latest version.</source>
        <translation>Vidorna не может открыть видеопроект более новой версии. Обновите Vidorna до последней версии.</translation>
    </message>
    <message>
        <source>Failed to save movie</source>
        <translation>Не удалось сохранить видео</translation>
    </message>
    <message>
        <source>The movie project cannot be read: %1</source>
        <translation>Не удаётся прочитать проект фильма: %1</translation>
    </message>
    <message>
        <source>The changes could not be saved: %1</source>
        <translation>Не удалось сохранить изменения: %1</translation>
    </message>
    <message>
        <source>If you close without saving, the changes are lost. Keep the window open to try again.</source>
        <translation>Если закрыть без сохранения, изменения будут потеряны. Оставьте окно открытым, чтобы повторить попытку.</translation>
    </message>
    <message>
        <source>Keep Open</source>
        <translation>Оставить открытым</translation>
    </message>
    <message>
        <source>Close Without Saving</source>
        <translation>Закрыть без сохранения</translation>
    </message>
    <message>
        <source>Load Error</source>
        <translation>Ошибка загрузки</translation>
    </message>
    <message>
        <source>File Not Found</source>
        <translation>Файл не найден</translation>
    </message>
    <message>
        <source>No audio contained</source>
        <translation>Не содержит звука</translation>
    </message>
    <message>
        <source>Failed to record operation</source>
        <translation>Не удалось записать операцию</translation>
    </message>
    <message>
        <source>No operation to undo</source>
        <translation>Нет операций для отмены</translation>
    </message>
    <message>
        <source>No operation to redo</source>
        <translation>Нет операций для повтора</translation>
    </message>
    <message>
        <source>The operation to undo could not be read</source>
        <translation>Не удалось прочитать операцию для отмены</translation>
    </message>
    <message>
        <source>The operation to redo could not be read</source>
        <translation>Не удалось прочитать операцию для повтора</translation>
    </message>
    <message>
        <source>Edits that could not be recorded were undone too</source>
        <translation>Правки, которые не удалось записать, тоже отменены</translation>
    </message>
    <message>
        <source>Help Center</source>
        <translation>Справочный центр</translation>
    </message>
    <message>
        <source>Custom Transition</source>
        <translation>Свой переход</translation>
    </message>
    <message>
        <source>Fade In &amp;&amp; Fade Out</source>
        <translation>Появление &amp;&amp; Исчезание</translation>
    </message>
    <message>
        <source>Fade In</source>
        <translation>Появление</translation>
    </message>
    <message>
        <source>Fade Out</source>
        <translation>Исчезание</translation>
    </message>
    <message>
        <source>Left In &amp;&amp; Right Out</source>
        <translation>Появление слева &amp;&amp; Уход вправо</translation>
    </message>
    <message>
        <source>Right In &amp;&amp; Left Out</source>
        <translation>Появление справа &amp;&amp; Уход влево</translation>
    </message>
    <message>
        <source>Left In</source>
        <translation>Появление слева</translation>
    </message>
    <message>
        <source>Left Out</source>
        <translation>Уход влево</translation>
    </message>
    <message>
        <source>Right In</source>
        <translation>Появление справа</translation>
    </message>
    <message>
        <source>Right Out</source>
        <translation>Уход вправо</translation>
    </message>
    <message>
        <source>Up In &amp;&amp; Down Out</source>
        <translation>Появление сверху &amp;&amp; Уход вниз</translation>
    </message>
    <message>
        <source>Down In &amp;&amp; Up Out</source>
        <translation>Появление снизу &amp;&amp; Уход вверх</translation>
    </message>
    <message>
        <source>Up In</source>
        <translation>Появление сверху</translation>
    </message>
    <message>
        <source>Up Out</source>
        <translation>Уход вверх</translation>
    </message>
    <message>
        <source>Down In</source>
        <translation>Появление снизу</translation>
    </message>
    <message>
        <source>Down Out</source>
        <translation>Уход вниз</translation>
    </message>
    <message>
        <source>Shrink In &amp;&amp; Shrink Out</source>
        <translation>Сжатие при появлении &amp;&amp; Сжатие при уходе</translation>
    </message>
    <message>
        <source>Grow In &amp;&amp; Grow Out</source>
        <translation>Рост при появлении &amp;&amp; Рост при уходе</translation>
    </message>
    <message>
        <source>Shrink In</source>
        <translation>Сжатие при появлении</translation>
    </message>
    <message>
        <source>Shrink Out</source>
        <translation>Сжатие при уходе</translation>
    </message>
    <message>
        <source>Grow In</source>
        <translation>Рост при появлении</translation>
    </message>
    <message>
        <source>Grow Out</source>
        <translation>Рост при уходе</translation>
    </message>
    <message>
        <source>Open In &amp;&amp; Close Out</source>
        <translation>Раскрытие &amp;&amp; Закрытие</translation>
    </message>
    <message>
        <source>Open In</source>
        <translation>Раскрытие</translation>
    </message>
    <message>
        <source>Close Out</source>
        <translation>Закрытие</translation>
    </message>
    <message>
        <source>Wipe In &amp;&amp; Wipe Out</source>
        <translation>Шторка при появлении &amp;&amp; Шторка при уходе</translation>
    </message>
    <message>
        <source>Wipe In</source>
        <translation>Шторка при появлении</translation>
    </message>
    <message>
        <source>Wipe Out</source>
        <translation>Шторка при уходе</translation>
    </message>
    <message>
        <source>No enough space for another transition</source>
        <translation>Недостаточно места для ещё одного перехода</translation>
    </message>
    <message>
        <source>Easing type applied to all transitions</source>
        <translation>Тип сглаживания применён ко всем переходам</translation>
    </message>
    <message>
        <source>Move timeline to the position to split</source>
        <translation>Переместите шкалу времени к месту разделения</translation>
    </message>
    <message>
        <source>How to deal with the existing transition(s)?</source>
        <translation>Что сделать с имеющимися переходами?</translation>
    </message>
    <message>
        <source>Duplicate and shorten the transition(s)</source>
        <translation>Дублировать и укоротить переходы</translation>
    </message>
    <message>
        <source>Don&apos;t shorten the transition(s)</source>
        <translation>Не укорачивать переходы</translation>
    </message>
    <message>
        <source>Move timeline to the position to grab image</source>
        <translation>Переместите шкалу времени к месту снимка</translation>
    </message>
    <message>
        <source>Save image failed</source>
        <translation>Не удалось сохранить изображение</translation>
    </message>
    <message>
        <source>Image saved to Pictures successfully</source>
        <translation>Изображение сохранено в «Изображения»</translation>
    </message>
    <message>
        <source>Please wait a moment</source>
        <translation>Подождите немного</translation>
    </message>
    <message>
        <source>No content to export</source>
        <translation>Нет содержимого для экспорта</translation>
    </message>
    <message>
        <source>The preview did not stop in time. Please try again.</source>
        <translation>Предпросмотр не остановился вовремя. Повторите попытку.</translation>
    </message>
    <message>
        <source>Create video failed</source>
        <translation>Не удалось создать видео</translation>
    </message>
    <message>
        <source>The movie cannot be saved in &quot;%1&quot; because that folder cannot be written to. Please choose another location.</source>
        <translation>Невозможно сохранить фильм в «%1», так как в эту папку нельзя записывать. Выберите другое место.</translation>
    </message>
    <message>
        <source>The movie file could not be created in &quot;%1&quot;. Please make sure that this folder can be written to and that the disk has free space.</source>
        <translation>Не удалось создать файл фильма в «%1». Убедитесь, что в эту папку можно записывать и что на диске есть свободное место.</translation>
    </message>
    <message>
        <source>The movie could not be finished in &quot;%1&quot; because its unfinished file was moved or replaced while it was written. Please export it again.</source>
        <translation>Не удалось завершить фильм в «%1», так как его незавершённый файл был перемещён или заменён во время записи. Экспортируйте его ещё раз.</translation>
    </message>
    <message>
        <source>The movie could not be saved as &quot;%1&quot; because another file took that name while the movie was written. That file was left as it is: please move it away and export again.</source>
        <translation>Не удалось сохранить фильм как «%1», так как во время записи фильма это имя занял другой файл. Этот файл оставлен без изменений: переместите его в другое место и повторите экспорт.</translation>
    </message>
    <message>
        <source>The movie could not be written in &quot;%1&quot; because the disk is full. Please free some space on that disk and export again.</source>
        <translation>Не удалось записать фильм в «%1», так как диск заполнен. Освободите место на этом диске и повторите экспорт.</translation>
    </message>
    <message>
        <source>The movie could not be written in &quot;%1&quot; because that folder can no longer be written to. Please make sure that it can be written to and export again.</source>
        <translation>Не удалось записать фильм в «%1», так как в эту папку больше нельзя записывать. Убедитесь, что в неё можно записывать, и повторите экспорт.</translation>
    </message>
    <message>
        <source>The movie could not be copied into &quot;%1&quot; because that folder cannot be written to. Please choose another location and export again.</source>
        <translation>Не удалось скопировать фильм в «%1», так как в эту папку нельзя записывать. Выберите другое место и повторите экспорт.</translation>
    </message>
    <message>
        <source>The movie could not be copied into &quot;%1&quot; because the disk is full. Please free some space on that disk or choose another location, and export again.</source>
        <translation>Не удалось скопировать фильм в «%1», так как диск заполнен. Освободите место на этом диске или выберите другое место и повторите экспорт.</translation>
    </message>
    <message>
        <source>Export canceled</source>
        <translation>Экспорт отменён</translation>
    </message>
    <message>
        <source>Export Interrupted</source>
        <translation>Экспорт прерван</translation>
    </message>
    <message>
        <source>Do you want to cancel the exporting?</source>
        <translation>Отменить экспорт?</translation>
    </message>
    <message>
        <source>Canceling...</source>
        <translation>Отмена...</translation>
    </message>
    <message>
        <source>Saving...</source>
        <translation>Сохранение...</translation>
    </message>
    <message>
        <source>Color settings applied to all %1 segments</source>
        <translation>Настройки цвета применены ко всем сегментам типа «%1»</translation>
    </message>
    <message>
        <source>Copy file failed</source>
        <translation>Не удалось скопировать файл</translation>
    </message>
    <message>
        <source>Audio from %1</source>
        <translation>Звук из %1</translation>
    </message>
    <message>
        <source>media</source>
        <translation>медиа</translation>
    </message>
    <message>
        <source>picture</source>
        <translation>изображения</translation>
    </message>
    <message>
        <source>All media files (*.*)</source>
        <translation>Все медиафайлы (*.*)</translation>
    </message>
    <message>
        <source>Choose %1 file to added into the current movie</source>
        <translation>Выберите файл (%1) для добавления в текущий фильм</translation>
    </message>
    <message>
        <source>Extract Audio</source>
        <translation>Извлечь звук</translation>
    </message>
    <message>
        <source>Copying file...</source>
        <translation>Копирование файла...</translation>
    </message>
    <message>
        <source>Error Occurs</source>
        <translation>Произошла ошибка</translation>
    </message>
    <message>
        <source>Cannot move the captured photo file</source>
        <translation>Не удалось переместить файл снятой фотографии</translation>
    </message>
    <message>
        <source>Cannot move the captured video file</source>
        <translation>Не удалось переместить файл записанного видео</translation>
    </message>
    <message>
        <source>Failed to open SRT file</source>
        <translation>Не удалось открыть файл SRT</translation>
    </message>
    <message>
        <source>No valid subtitles found in SRT file</source>
        <translation>В файле SRT нет допустимых субтитров</translation>
    </message>
    <message>
        <source>Successfully imported %1 subtitles from SRT file</source>
        <translation>Импортировано субтитров из файла SRT: %1</translation>
    </message>
    <message>
        <source>Add Media</source>
        <translation>Добавить медиафайл</translation>
    </message>
    <message>
        <source>Add Video</source>
        <translation>Добавить видео</translation>
    </message>
    <message>
        <source>Add Picture</source>
        <translation>Добавить изображение</translation>
    </message>
    <message>
        <source>Add Music</source>
        <translation>Добавить музыку</translation>
    </message>
    <message>
        <source>Cannot move the recorded sound file</source>
        <translation>Не удаётся переместить записанный звуковой файл</translation>
    </message>
    <message>
        <source>Save as Picture</source>
        <translation>Сохранить как изображение</translation>
    </message>
    <message>
        <source>Portable Network Graphics files (*.png)</source>
        <translation>Файлы PNG (*.png)</translation>
    </message>
    <message>
        <source>Saved OK</source>
        <translation>Сохранено</translation>
    </message>
    <message>
        <source>Save painting failed</source>
        <translation>Не удалось сохранить рисунок</translation>
    </message>
</context>
<context>
    <name>MediaExplorerHelpTipWidget</name>
    <message>
        <source>You can drag a footage from the Media Explorer and drop it directly at the desired location on a track.</source>
        <translation>Перетащите материал из обозревателя медиафайлов и отпустите его прямо в нужном месте дорожки.</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>Понятно</translation>
    </message>
</context>
<context>
    <name>MediaExplorerWidget</name>
    <message>
        <source>Ambience</source>
        <translation>Атмосфера</translation>
    </message>
    <message>
        <source>People</source>
        <translation>Люди</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>События</translation>
    </message>
    <message>
        <source>Musical</source>
        <translation>Музыкальные</translation>
    </message>
    <message>
        <source>Transition</source>
        <translation>Переходы</translation>
    </message>
    <message>
        <source>Vehicle</source>
        <translation>Транспорт</translation>
    </message>
    <message>
        <source>Animal</source>
        <translation>Животные</translation>
    </message>
    <message>
        <source>Emoticons</source>
        <translation>Смайлики</translation>
    </message>
    <message>
        <source>Party</source>
        <translation>Вечеринка</translation>
    </message>
    <message>
        <source>Love</source>
        <translation>Любовь</translation>
    </message>
    <message>
        <source>Comic Words</source>
        <translation>Комикс-надписи</translation>
    </message>
</context>
<context>
    <name>MediaPreviewControlWidget</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>Close preview</source>
        <translation>Закрыть предпросмотр</translation>
    </message>
</context>
<context>
    <name>MediaPreviewWidget</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
</context>
<context>
    <name>MultiLanguage</name>
    <message>
        <source>Classic</source>
        <translation>Классический</translation>
    </message>
</context>
<context>
    <name>NativeWebBrowserWidget</name>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
</context>
<context>
    <name>NewVersionDialog</name>
    <message>
        <source>New Version</source>
        <translation>Новая версия</translation>
    </message>
    <message>
        <source>A new version of Vidorna is available.</source>
        <translation>Доступна новая версия Vidorna.</translation>
    </message>
    <message>
        <source>Current version</source>
        <translation>Текущая версия</translation>
    </message>
    <message>
        <source>New version</source>
        <translation>Новая версия</translation>
    </message>
    <message>
        <source>Download new version</source>
        <translation>Скачать новую версию</translation>
    </message>
    <message>
        <source>See what&apos;s new</source>
        <translation>Что нового</translation>
    </message>
</context>
<context>
    <name>PitchEditingWidgetController</name>
    <message>
        <source>Pitch</source>
        <translation>Высота тона</translation>
    </message>
</context>
<context>
    <name>PopupChromaKeyWidget</name>
    <message>
        <source>Chroma Key</source>
        <translation>Хромакей</translation>
    </message>
    <message>
        <source>Sensitivity</source>
        <translation>Чувствительность</translation>
    </message>
    <message>
        <source>Smoothing</source>
        <translation>Сглаживание</translation>
    </message>
    <message>
        <source>On/Off</source>
        <translation>Вкл./Выкл.</translation>
    </message>
    <message>
        <source>Key Color</source>
        <translation>Цвет ключа</translation>
    </message>
    <message>
        <source>Restore default values</source>
        <translation>Восстановить значения по умолчанию</translation>
    </message>
</context>
<context>
    <name>PopupColorMatrixWidget</name>
    <message>
        <source>Recently Used Colors</source>
        <translation>Недавние цвета</translation>
    </message>
    <message>
        <source>More Colors...</source>
        <translation>Другие цвета...</translation>
    </message>
    <message>
        <source>Pick color from preview</source>
        <translation>Взять цвет из предпросмотра</translation>
    </message>
</context>
<context>
    <name>PopupColorsScrollWidget</name>
    <message>
        <source>Colors</source>
        <translation>Цвета</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Насыщенность</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Яркость</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Контраст</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Температура</translation>
    </message>
    <message>
        <source>Exposure</source>
        <translation>Экспозиция</translation>
    </message>
    <message>
        <source>Hue</source>
        <translation>Оттенок</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Красный</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Зелёный</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Синий</translation>
    </message>
    <message>
        <source>Schemes</source>
        <translation>Схемы</translation>
    </message>
    <message>
        <source>Save as Scheme...</source>
        <translation>Сохранить как схему...</translation>
    </message>
    <message>
        <source>Manage...</source>
        <translation>Управление...</translation>
    </message>
    <message>
        <source>Apply to all segments</source>
        <translation>Применить ко всем сегментам</translation>
    </message>
    <message>
        <source>Save as Scheme</source>
        <translation>Сохранить как схему</translation>
    </message>
    <message>
        <source>Enter scheme name</source>
        <translation>Введите название схемы</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Color scheme saved</source>
        <translation>Цветовая схема сохранена</translation>
    </message>
    <message>
        <source>Cannot save the color scheme</source>
        <translation>Не удалось сохранить цветовую схему</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Remove Scheme</source>
        <translation>Удалить схему</translation>
    </message>
    <message>
        <source>Do you really want to remove scheme &quot;%1&quot;?</source>
        <translation>Удалить схему «%1»?</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Remove scheme failed</source>
        <translation>Не удалось удалить схему</translation>
    </message>
</context>
<context>
    <name>PopupColorsScrollWidgetEditItemWidget</name>
    <message>
        <source>Remove</source>
        <translation>Удалить</translation>
    </message>
</context>
<context>
    <name>PopupEasingFunctionsWidget</name>
    <message>
        <source>In</source>
        <translation>Вход</translation>
    </message>
    <message>
        <source>Out</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>InOut</source>
        <translation>Вход-выход</translation>
    </message>
    <message>
        <source>Linear</source>
        <translation>Линейная</translation>
    </message>
    <message>
        <source>Smooth</source>
        <translation>Плавная</translation>
    </message>
    <message>
        <source>Circular</source>
        <translation>Круговая</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>С отскоком назад</translation>
    </message>
    <message>
        <source>Elastic</source>
        <translation>Упругая</translation>
    </message>
    <message>
        <source>Bounce</source>
        <translation>Отскок</translation>
    </message>
    <message>
        <source>Easing Type</source>
        <translation>Тип сглаживания</translation>
    </message>
    <message>
        <source>Apply to all transitions</source>
        <translation>Применить ко всем переходам</translation>
    </message>
</context>
<context>
    <name>PopupMediaTypeSelectionWidget</name>
    <message>
        <source>Title</source>
        <translation>Заголовок</translation>
    </message>
    <message>
        <source>Choose File...</source>
        <translation>Выбрать файл...</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Камера</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Микрофон</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Текст</translation>
    </message>
    <message>
        <source>Self-Draw</source>
        <translation>Рисунок</translation>
    </message>
</context>
<context>
    <name>PopupMicrophoneWidget</name>
    <message>
        <source>No microphone</source>
        <translation>Нет микрофона</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>The temporary folder for the recording cannot be found.</source>
        <translation>Не удаётся найти временную папку для записи.</translation>
    </message>
    <message>
        <source>Error Occurs</source>
        <translation>Произошла ошибка</translation>
    </message>
    <message>
        <source>The recording holds no sound.</source>
        <translation>В записи нет звука.</translation>
    </message>
    <message>
        <source>The recording could not be finished, so it was not added.</source>
        <translation>Не удалось завершить запись, поэтому она не добавлена.</translation>
    </message>
</context>
<context>
    <name>PopupMovieExportingWidget</name>
    <message>
        <source>Resolution</source>
        <translation>Разрешение</translation>
    </message>
    <message>
        <source>Frame Rate</source>
        <translation>Частота кадров</translation>
    </message>
    <message>
        <source>Video Codec</source>
        <translation>Видеокодек</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Папка</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Экспорт</translation>
    </message>
    <message>
        <source>Exporting movie...</source>
        <translation>Экспорт фильма...</translation>
    </message>
    <message>
        <source>Please do not exit Vidorna or lock the computer.</source>
        <translation>Не закрывайте Vidorna и не блокируйте компьютер.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Export Failed</source>
        <translation>Ошибка экспорта</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Current movie has been exported successfully</source>
        <translation>Фильм успешно экспортирован</translation>
    </message>
    <message>
        <source>Detail</source>
        <translation>Подробности</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Размер</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Длительность</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Видео</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Аудио</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Готово</translation>
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
        <translation>Экспорт и публикация</translation>
    </message>
    <message>
        <source>Select save directory</source>
        <translation>Выберите папку для сохранения</translation>
    </message>
    <message>
        <source>Estimated time remaining - %1</source>
        <translation>Осталось примерно - %1</translation>
    </message>
    <message>
        <source>%L1 bytes (%2)</source>
        <translation>%L1 байт (%2)</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Нет</translation>
    </message>
</context>
<context>
    <name>PopupProjectSettingsWidget</name>
    <message>
        <source>Configuration</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Aspect Ratio</source>
        <translation>Соотношение сторон</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Видео</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Цвет фона</translation>
    </message>
    <message>
        <source>Transparent</source>
        <translation>Прозрачный</translation>
    </message>
    <message>
        <source>Frame Rate</source>
        <translation>Частота кадров</translation>
    </message>
    <message>
        <source>Showcase</source>
        <translation>Витрина</translation>
    </message>
    <message>
        <source>Fixed Cover Image</source>
        <translation>Фиксированная обложка</translation>
    </message>
    <message>
        <source>Display fixed cover image in Movies page</source>
        <translation>Показывать фиксированную обложку на странице фильмов</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Альбомная</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Книжная</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Frames Per Second</source>
        <translation>Кадров в секунду</translation>
    </message>
</context>
<context>
    <name>PopupTransitionsListWidget</name>
    <message>
        <source>Title</source>
        <translation>Заголовок</translation>
    </message>
    <message>
        <source>Add Transition</source>
        <translation>Добавить переход</translation>
    </message>
</context>
<context>
    <name>ProgressHUD</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
</context>
<context>
    <name>ProjectFoldersPopup</name>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Новая папка</translation>
    </message>
    <message>
        <source>Create a new folder</source>
        <translation>Создать новую папку</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Переместить</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>Фильмы</translation>
    </message>
    <message>
        <source>Move to %1</source>
        <translation>Переместить в «%1»</translation>
    </message>
    <message>
        <source>Copy to %1</source>
        <translation>Копировать в «%1»</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Создать</translation>
    </message>
    <message>
        <source>Enter folder name</source>
        <translation>Введите название папки</translation>
    </message>
    <message>
        <source>Create new folder exception occurs</source>
        <translation>При создании папки произошла ошибка</translation>
    </message>
    <message>
        <source>Wrong Name</source>
        <translation>Недопустимое имя</translation>
    </message>
    <message>
        <source>A name cannot be empty, &quot;.&quot; or &quot;..&quot;, or hold &quot;/&quot;.</source>
        <translation>Имя не может быть пустым, равным «.» или «..» и не может содержать «/».</translation>
    </message>
    <message>
        <source>Rename Failed</source>
        <translation>Не удалось переименовать</translation>
    </message>
    <message>
        <source>An item with the name &quot;%1&quot; already exists</source>
        <translation>Элемент с названием «%1» уже существует</translation>
    </message>
    <message>
        <source>New Folder Failed</source>
        <translation>Не удалось создать папку</translation>
    </message>
</context>
<context>
    <name>ProjectLoader</name>
    <message>
        <source>&quot;%1&quot; was written by a higher version of Vidorna</source>
        <translation>«%1» записан более новой версией Vidorna</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a Vidorna project file. Please move it away and archive again.</source>
        <translation>«%1» не является файлом проекта Vidorna. Переместите его в другое место и архивируйте снова.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a Vidorna project file. Please move it away and save again.</source>
        <translation>«%1» не является файлом проекта Vidorna. Переместите его в другое место и сохраните снова.</translation>
    </message>
</context>
<context>
    <name>ProjectXml</name>
    <message>
        <source>&quot;%1&quot; is not a regular file</source>
        <translation>«%1» не является обычным файлом</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a link that leads nowhere</source>
        <translation>«%1» — ссылка, которая никуда не ведёт</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be written: %2</source>
        <translation>Не удаётся записать «%1»: %2</translation>
    </message>
</context>
<context>
    <name>ProjectsListWidget</name>
    <message>
        <source>Remove</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Delete current movie project</source>
        <translation>Удалить текущий проект фильма</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Переименовать</translation>
    </message>
    <message>
        <source>Rename current movie project</source>
        <translation>Переименовать текущий проект фильма</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Дублировать</translation>
    </message>
    <message>
        <source>Duplicate current movie project</source>
        <translation>Дублировать текущий проект фильма</translation>
    </message>
    <message>
        <source>Archive</source>
        <translation>Архивировать</translation>
    </message>
    <message>
        <source>Archive current movie project</source>
        <translation>Архивировать текущий проект фильма</translation>
    </message>
    <message>
        <source>Select an output directory</source>
        <translation>Выберите папку для сохранения</translation>
    </message>
    <message>
        <source>Archiving project...</source>
        <translation>Архивирование проекта...</translation>
    </message>
    <message>
        <source>Archive Project Failed</source>
        <translation>Не удалось архивировать проект</translation>
    </message>
    <message>
        <source>Insufficient Space</source>
        <translation>Недостаточно места</translation>
    </message>
    <message>
        <source>Archive Project Completed</source>
        <translation>Проект заархивирован</translation>
    </message>
    <message>
        <source>Select an archive to import</source>
        <translation>Выберите архив для импорта</translation>
    </message>
    <message>
        <source>Vidorna Project File (*.vidornaproject)</source>
        <translation>Файл проекта Vidorna (*.vidornaproject)</translation>
    </message>
    <message>
        <source>Importing archive...</source>
        <translation>Импорт архива...</translation>
    </message>
    <message>
        <source>There&apos;s not enough storage space to import this archive. About %1 more space is needed.</source>
        <translation>Недостаточно места для импорта архива. Требуется ещё около %1.</translation>
    </message>
    <message>
        <source>Import Completed</source>
        <translation>Импорт завершён</translation>
    </message>
    <message>
        <source>Import Failed</source>
        <translation>Не удалось импортировать</translation>
    </message>
    <message>
        <source>Import archive error occurs (%1)</source>
        <translation>При импорте архива произошла ошибка (%1)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Wrong Name</source>
        <translation>Недопустимое имя</translation>
    </message>
    <message>
        <source>A name cannot be empty, &quot;.&quot; or &quot;..&quot;, or hold &quot;/&quot;.</source>
        <translation>Имя не может быть пустым, равным «.» или «..» и не может содержать «/».</translation>
    </message>
    <message>
        <source>Movie In Use</source>
        <translation>Фильм открыт</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is open in the editor. Close the movie first.</source>
        <translation>«%1» открыт в редакторе. Сначала закройте фильм.</translation>
    </message>
    <message>
        <source>New Movie %1</source>
        <translation>Новый фильм %1</translation>
    </message>
    <message>
        <source>New Movie</source>
        <translation>Новый фильм</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Создать</translation>
    </message>
    <message>
        <source>Enter project name</source>
        <translation>Введите название проекта</translation>
    </message>
    <message>
        <source>Failed to create movie file</source>
        <translation>Не удалось создать файл фильма</translation>
    </message>
    <message>
        <source>The named movie already exists</source>
        <translation>Фильм с таким названием уже существует</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Новая папка</translation>
    </message>
    <message>
        <source>Enter folder name</source>
        <translation>Введите название папки</translation>
    </message>
    <message>
        <source>New Folder Failed</source>
        <translation>Не удалось создать папку</translation>
    </message>
    <message>
        <source>An item with the name &quot;%1&quot; already exists</source>
        <translation>Элемент с названием «%1» уже существует</translation>
    </message>
    <message>
        <source>Create new folder exception occurs</source>
        <translation>При создании папки произошла ошибка</translation>
    </message>
    <message>
        <source>Rename Item</source>
        <translation>Переименовать элемент</translation>
    </message>
    <message>
        <source>Enter item name</source>
        <translation>Введите название элемента</translation>
    </message>
    <message>
        <source>Rename Failed</source>
        <translation>Не удалось переименовать</translation>
    </message>
    <message>
        <source>Rename failed</source>
        <translation>Не удалось переименовать</translation>
    </message>
    <message>
        <source>%1 Copy %2</source>
        <translation>%1 копия %2</translation>
    </message>
    <message>
        <source>%1 Copy</source>
        <translation>%1 копия</translation>
    </message>
    <message>
        <source>Duplicate Movie</source>
        <translation>Дублировать фильм</translation>
    </message>
    <message>
        <source>Enter movie name</source>
        <translation>Введите название фильма</translation>
    </message>
    <message>
        <source>Failed to duplicate movie</source>
        <translation>Не удалось дублировать фильм</translation>
    </message>
    <message>
        <source>Remove Item</source>
        <translation>Удалить элемент</translation>
    </message>
    <message>
        <source>Do you really want to remove item &quot;%1&quot;?</source>
        <translation>Вы действительно хотите удалить элемент «%1»?</translation>
    </message>
    <message>
        <source>Remove Item(s)</source>
        <translation>Удалить элементы</translation>
    </message>
    <message>
        <source>Do you really want to remove %1 item(s)?</source>
        <translation>Вы действительно хотите удалить элементы (%1)?</translation>
    </message>
    <message>
        <source>Failed to remove the item(s)</source>
        <translation>Не удалось удалить элементы</translation>
    </message>
    <message>
        <source>Copying items...</source>
        <translation>Копирование элементов...</translation>
    </message>
    <message>
        <source>Moving items...</source>
        <translation>Перемещение элементов...</translation>
    </message>
    <message>
        <source>Failed to move movie</source>
        <translation>Не удалось переместить фильм</translation>
    </message>
    <message>
        <source>%1 item(s) copied</source>
        <translation>Скопировано элементов: %1</translation>
    </message>
    <message>
        <source>%1 item(s) moved</source>
        <translation>Перемещено элементов: %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a link to a folder elsewhere. It is kept, so that what that folder holds is not removed with it.</source>
        <translation>«%1» — это ссылка на папку в другом месте. Она сохранена, чтобы содержимое этой папки не было удалено вместе с ней.</translation>
    </message>
</context>
<context>
    <name>ProjectsWidget</name>
    <message>
        <source>Movies</source>
        <translation>Фильмы</translation>
    </message>
    <message>
        <source>Open Movie Failed</source>
        <translation>Не удалось открыть фильм</translation>
    </message>
    <message>
        <source>This movie is damaged, you cannot open it.</source>
        <translation>Этот фильм повреждён, открыть его невозможно.</translation>
    </message>
    <message>
        <source>Open Failed</source>
        <translation>Не удалось открыть</translation>
    </message>
    <message>
        <source>This project cannot be opened at this time.</source>
        <translation>Сейчас этот проект открыть нельзя.</translation>
    </message>
    <message>
        <source>Failed to open project file</source>
        <translation>Не удалось открыть файл проекта</translation>
    </message>
    <message>
        <source>Import Project</source>
        <translation>Импорт проекта</translation>
    </message>
    <message>
        <source>Do you want to import project &quot;%1&quot; into Vidorna?</source>
        <translation>Импортировать проект «%1» в Vidorna?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Импортировать</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Изменить</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Import...</source>
        <translation>Импорт...</translation>
    </message>
    <message>
        <source>Import project</source>
        <translation>Импортировать проект</translation>
    </message>
    <message>
        <source>Create a new folder</source>
        <translation>Создать папку</translation>
    </message>
    <message>
        <source>Copy selected items to folder</source>
        <translation>Копировать выбранные элементы в папку</translation>
    </message>
    <message>
        <source>Move selected items to folder</source>
        <translation>Переместить выбранные элементы в папку</translation>
    </message>
    <message>
        <source>Delete selected items</source>
        <translation>Удалить выбранные элементы</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>(%1 Items)</source>
        <translation>(элементов: %1)</translation>
    </message>
    <message>
        <source>(1 Item)</source>
        <translation>(1 элемент)</translation>
    </message>
    <message>
        <source>(Empty)</source>
        <translation>(Пусто)</translation>
    </message>
</context>
<context>
    <name>ResourceAssetsWidget</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
</context>
<context>
    <name>RoundCornerEditingWidgetController</name>
    <message>
        <source>Round Corner</source>
        <translation>Скругление углов</translation>
    </message>
</context>
<context>
    <name>SegmentDraggingOperationWidget</name>
    <message>
        <source>Duplicate</source>
        <translation>Дублировать</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Убрать</translation>
    </message>
</context>
<context>
    <name>SegmentInspectorWidget</name>
    <message>
        <source>Return</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Дублировать</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Разделить</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Add/Edit Transition</source>
        <translation>Добавить/изменить переход</translation>
    </message>
    <message>
        <source>Apply to all segments</source>
        <translation>Применить ко всем сегментам</translation>
    </message>
</context>
<context>
    <name>SegmentOperationDoubleTapTipWidget</name>
    <message>
        <source>Double click a segment to enter into the edit mode. And double click it again to exit from the edit mode.</source>
        <translation>Дважды щёлкните сегмент, чтобы перейти в режим редактирования, и дважды щёлкните снова, чтобы выйти из него.</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>Понятно</translation>
    </message>
</context>
<context>
    <name>SegmentOperationPressAndDragTipWidget</name>
    <message>
        <source>Press and hold on a segment till the yellow frame appears, then you can drag it to the place you want.</source>
        <translation>Нажмите и удерживайте сегмент, пока не появится жёлтая рамка, затем перетащите его в нужное место.</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>Понятно</translation>
    </message>
</context>
<context>
    <name>SelectionOperationWidget</name>
    <message>
        <source>Cancel selection</source>
        <translation>Отменить выделение</translation>
    </message>
    <message>
        <source>Insert blank</source>
        <translation>Вставить пустое место</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
</context>
<context>
    <name>SettingsWidget</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>Video Editor UI Layout</source>
        <translation>Макет интерфейса видеоредактора</translation>
    </message>
    <message>
        <source>Default Photo Duration</source>
        <translation>Длительность фото по умолчанию</translation>
    </message>
    <message>
        <source>Default Text Duration</source>
        <translation>Длительность текста по умолчанию</translation>
    </message>
    <message>
        <source>Default Self-Drawing Duration</source>
        <translation>Длительность рисунка по умолчанию</translation>
    </message>
    <message>
        <source>Auto Save/Apply Segment Properties</source>
        <translation>Автоматически сохранять и применять свойства сегментов</translation>
    </message>
    <message>
        <source>Save segment properties and apply to the newly added segments</source>
        <translation>Сохранять свойства сегментов и применять их к новым сегментам</translation>
    </message>
    <message>
        <source>Reset Saved Segment Properties</source>
        <translation>Сбросить сохранённые свойства сегментов</translation>
    </message>
    <message>
        <source>Auto Align When Moving Objects</source>
        <translation>Автовыравнивание при перемещении объектов</translation>
    </message>
    <message>
        <source>Show guides when moving object to center/edges</source>
        <translation>Показывать направляющие при перемещении объекта к центру или краям</translation>
    </message>
    <message>
        <source>Hardware Acceleration</source>
        <translation>Аппаратное ускорение</translation>
    </message>
    <message>
        <source>Working Directory</source>
        <translation>Рабочая папка</translation>
    </message>
    <message>
        <source>Auto Copy Files to Movie Directory</source>
        <translation>Автоматически копировать файлы в папку фильма</translation>
    </message>
    <message>
        <source>Copy files to project directory when adding media to a movie</source>
        <translation>Копировать файлы в папку проекта при добавлении медиафайлов в фильм</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>Настольный</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Классический</translation>
    </message>
    <message>
        <source>Enabled: high performance, loss compatibility</source>
        <translation>Включено: высокая производительность, меньшая совместимость</translation>
    </message>
    <message>
        <source>Disabled: better compatibility, loss performance</source>
        <translation>Выключено: лучшая совместимость, меньшая производительность</translation>
    </message>
    <message>
        <source>Do you really want to reset the saved segment properties?</source>
        <translation>Вы действительно хотите сбросить сохранённые свойства сегментов?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Сбросить</translation>
    </message>
    <message>
        <source>Segment properties reset successfully</source>
        <translation>Свойства сегментов сброшены</translation>
    </message>
    <message>
        <source>Select working directory</source>
        <translation>Выберите рабочую папку</translation>
    </message>
    <message>
        <source>Close the open movie before changing the working directory.</source>
        <translation>Закройте открытый фильм, прежде чем менять рабочую папку.</translation>
    </message>
    <message>
        <source>No movie can be kept in &quot;%1&quot;: the folder &quot;Projects&quot; cannot be created there. Choose another folder.</source>
        <translation>В «%1» нельзя хранить фильмы: там не удаётся создать папку «Projects». Выберите другую папку.</translation>
    </message>
</context>
<context>
    <name>ShadowEditingWidgetController</name>
    <message>
        <source>Shadow</source>
        <translation>Тень</translation>
    </message>
    <message>
        <source>Radius</source>
        <translation>Радиус</translation>
    </message>
</context>
<context>
    <name>SpeedEditingWidgetController</name>
    <message>
        <source>Speed</source>
        <translation>Скорость</translation>
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
        <translation>Фильмы</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>New Movie...</source>
        <translation>Новый фильм...</translation>
    </message>
    <message>
        <source>New Folder...</source>
        <translation>Новая папка...</translation>
    </message>
    <message>
        <source>Import...</source>
        <translation>Импорт...</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Vidorna Help</source>
        <translation>Справка Vidorna</translation>
    </message>
    <message>
        <source>Get Vidorna on Smartphones</source>
        <translation>Vidorna для смартфонов</translation>
    </message>
    <message>
        <source>Feedback...</source>
        <translation>Отзыв...</translation>
    </message>
    <message>
        <source>About Vidorna</source>
        <translation>О программе Vidorna</translation>
    </message>
    <message>
        <source>How do you think about Vidorna? What features do you want to see in the next version of Vidorna? Or do you want to report a bug? All about Vidorna, please tell us.







&lt;From Vidorna v%1 on %2 with %3&gt;</source>
        <translation>Как вам Vidorna? Какие функции вы хотели бы видеть в следующей версии Vidorna? Или хотите сообщить об ошибке? Расскажите нам всё о Vidorna.







&lt;Из Vidorna v%1 на %2 с %3&gt;</translation>
    </message>
    <message>
        <source>Help Center</source>
        <translation>Справочный центр</translation>
    </message>
</context>
<context>
    <name>StrokeBorderEditingWidgetController</name>
    <message>
        <source>Border Size &amp; Color</source>
        <translation>Размер и цвет рамки</translation>
    </message>
    <message>
        <source>Tolerance</source>
        <translation>Допуск</translation>
    </message>
    <message>
        <source>Intensity</source>
        <translation>Интенсивность</translation>
    </message>
    <message>
        <source>Stroke</source>
        <translation>Обводка</translation>
    </message>
</context>
<context>
    <name>TabsMediaExplorerWidget</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>Local Files</source>
        <translation>Локальные файлы</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Музыка</translation>
    </message>
    <message>
        <source>Sound FX</source>
        <translation>Звуковые эффекты</translation>
    </message>
    <message>
        <source>Stickers</source>
        <translation>Стикеры</translation>
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
        <translation>Форма</translation>
    </message>
</context>
<context>
    <name>TextBackEditingWidgetController</name>
    <message>
        <source>Text Background</source>
        <translation>Фон текста</translation>
    </message>
    <message>
        <source>Spacing</source>
        <translation>Отступ</translation>
    </message>
    <message>
        <source>Round Corner</source>
        <translation>Скругление углов</translation>
    </message>
</context>
<context>
    <name>TextFontEditingWidget</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
</context>
<context>
    <name>TextSizeEditingWidgetController</name>
    <message>
        <source>Text Size &amp; Color</source>
        <translation>Размер и цвет текста</translation>
    </message>
</context>
<context>
    <name>TextureGridWidget</name>
    <message>
        <source>Custom Picture...</source>
        <translation>Своё изображение...</translation>
    </message>
    <message>
        <source>Open a Picture</source>
        <translation>Открыть изображение</translation>
    </message>
</context>
<context>
    <name>TransitionsEditingWidget</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>Transitions</source>
        <translation>Переходы</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Начало</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Длительность</translation>
    </message>
    <message>
        <source>Add Transition</source>
        <translation>Добавить переход</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Убрать</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Дублировать</translation>
    </message>
    <message>
        <source>Easing type</source>
        <translation>Тип сглаживания</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Конец</translation>
    </message>
    <message>
        <source>Press &quot;+&quot; to add a transition</source>
        <translation>Нажмите «+», чтобы добавить переход</translation>
    </message>
</context>
<context>
    <name>TransparencyEditingWidgetController</name>
    <message>
        <source>Transparency</source>
        <translation>Прозрачность</translation>
    </message>
</context>
<context>
    <name>Util</name>
    <message>
        <source>Help Center</source>
        <translation>Справочный центр</translation>
    </message>
    <message>
        <source>No web browser could be opened for the help pages. You can read them at this address:</source>
        <translation>Не удалось открыть веб-браузер для страниц справки. Их можно прочитать по этому адресу:</translation>
    </message>
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
    <message>
        <source>%1 KB</source>
        <translation>%1 КБ</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 МБ</translation>
    </message>
    <message>
        <source>%1 GB</source>
        <translation>%1 ГБ</translation>
    </message>
    <message>
        <source>M/d</source>
        <extracomment>Date format (QDateTime::toString) of a date in the current year: month/day.</extracomment>
        <translation>dd.MM</translation>
    </message>
    <message>
        <source>M/d/yyyy</source>
        <extracomment>Date format (QDateTime::toString) of a date in another year: month/day/year.</extracomment>
        <translation>dd.MM.yyyy</translation>
    </message>
    <message>
        <source>Unknown codec</source>
        <translation>Неизвестный кодек</translation>
    </message>
    <message>
        <source>%1, %2, %3 Hz</source>
        <extracomment>Audio stream: codec, channels (Stereo or Mono), sample rate.</extracomment>
        <translation>%1, %2, %3 Гц</translation>
    </message>
    <message>
        <source>%1, %2 x %3</source>
        <extracomment>Video stream: codec, width, height in pixels.</extracomment>
        <translation>%1, %2 x %3</translation>
    </message>
</context>
<context>
    <name>VideoUtilitiesEditingWidget</name>
    <message>
        <source>Video Utilities</source>
        <translation>Инструменты видео</translation>
    </message>
    <message>
        <source>Grab image from video</source>
        <translation>Снимок кадра из видео</translation>
    </message>
</context>
<context>
    <name>VolumeEditingWidgetController</name>
    <message>
        <source>Volume</source>
        <translation>Громкость</translation>
    </message>
</context>
</TS>
