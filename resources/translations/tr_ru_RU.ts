<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
    <context>
        <name>JXAlertDialog</name>
        <message>
            <source>Cancel</source>
            <translation>Отмена</translation>
        </message>
        <message>
            <source>Dialog</source>
            <translation>Диалог</translation>
        </message>
        <message>
            <source>Ok</source>
            <translation>ОК</translation>
        </message>
    </context>
    <context>
        <name>JXDeviceTreeView</name>
        <message>
            <source>No track read yet: the track is read when the recording plays.</source>
            <translation>Трек ещё не прочитан: он читается при воспроизведении записи.</translation>
        </message>
    </context>
    <context>
        <name>JXEngineFailure</name>
        <message>
            <source>无法启动视频引擎（libmpv），播放器将关闭。</source>
            <translation>Не удалось запустить видеодвижок (libmpv). Tavrin Player будет закрыт.</translation>
        </message>
        <message>
            <source>错误</source>
            <translation>Ошибка</translation>
        </message>
    </context>
    <context>
        <name>JXPlayWidget</name>
        <message>
            <source>Form</source>
            <translation>Форма</translation>
        </message>
    </context>
    <context>
        <name>JXTreeItemDelegate</name>
        <message>
            <source>%1 MB</source>
            <translation>%1 МБ</translation>
        </message>
    </context>
    <context>
        <name>KoAppSettingDialog</name>
        <message>
            <source>Current Version: </source>
            <translation>Текущая версия: </translation>
        </message>
        <message>
            <source>English</source>
            <translation>English</translation>
        </message>
        <message>
            <source>Japanese</source>
            <translation>Japanese</translation>
        </message>
        <message>
            <source>OpenStreetMap</source>
            <translation>OpenStreetMap</translation>
        </message>
        <message>
            <source>Project page: %1</source>
            <translation>Страница проекта: %1</translation>
        </message>
        <message>
            <source>Questions and bug reports: the project page's tracker.</source>
            <translation>Вопросы и сообщения об ошибках: трекер на странице проекта.</translation>
        </message>
        <message>
            <source>System Setting</source>
            <translation>Системные настройки</translation>
        </message>
        <message>
            <source>Tavrin Player plays dash-camera recordings together with their route, speed and G-sensor track.</source>
            <translation>Tavrin Player воспроизводит записи видеорегистратора вместе с маршрутом, скоростью и данными G-датчика.</translation>
        </message>
        <message>
            <source>Tavrin Player: every camera of a drive, one timeline.</source>
            <translation>Tavrin Player: все камеры поездки на одной шкале времени.</translation>
        </message>
        <message>
            <source>Version Info</source>
            <translation>Сведения о версии</translation>
        </message>
        <message>
            <source>Web site: %1</source>
            <translation>Веб-сайт: %1</translation>
        </message>
        <message>
            <source>俄文</source>
            <translation>русский</translation>
        </message>
        <message>
            <source>地图选择：</source>
            <translation>Картографический сервис:</translation>
        </message>
        <message>
            <source>德文</source>
            <translation>Deutsch</translation>
        </message>
        <message>
            <source>意大利</source>
            <translation>Italiano</translation>
        </message>
        <message>
            <source>抓拍路径</source>
            <translation>Папка для снимков</translation>
        </message>
        <message>
            <source>抓拍路径：</source>
            <translation>Папка для снимков:</translation>
        </message>
        <message>
            <source>无法写入所选文件夹，抓拍路径未更改。</source>
            <translation>В выбранную папку нельзя записывать. Папка для снимков не изменена.</translation>
        </message>
        <message>
            <source>百度地图</source>
            <translation>Baidu Maps</translation>
        </message>
        <message>
            <source>简体中文</source>
            <translation>简体中文</translation>
        </message>
        <message>
            <source>繁体中文</source>
            <translation>繁体中文</translation>
        </message>
        <message>
            <source>西班牙</source>
            <translation>Español</translation>
        </message>
        <message>
            <source>语言设置：</source>
            <translation>Язык интерфейса:</translation>
        </message>
        <message>
            <source>谷歌地图</source>
            <translation>Google Maps</translation>
        </message>
        <message>
            <source>速度单位：</source>
            <translation>Единица скорости:</translation>
        </message>
    </context>
    <context>
        <name>KoClipExport</name>
        <message>
            <source>No recording was given.</source>
            <translation>Запись не указана.</translation>
        </message>
        <message>
            <source>The clip could not be moved into %1: %2</source>
            <translation>Не удалось переместить фрагмент в %1: %2</translation>
        </message>
        <message>
            <source>The clip needs the ffmpeg program, which is not installed.</source>
            <translation>Для фрагмента нужна программа ffmpeg, но она не установлена.</translation>
        </message>
        <message>
            <source>The disk of %1 is full: the clip was not saved.</source>
            <translation>Диск папки %1 заполнен: фрагмент не сохранён.</translation>
        </message>
        <message>
            <source>The folder %1 cannot be made.</source>
            <translation>Не удаётся создать папку %1.</translation>
        </message>
        <message>
            <source>The folder %1 cannot be written to.</source>
            <translation>Не удаётся записать в папку %1.</translation>
        </message>
        <message>
            <source>The folder %1 holds too many clips of this name.</source>
            <translation>В папке %1 слишком много фрагментов с таким именем.</translation>
        </message>
        <message>
            <source>The range %1 to %2 lies outside the recording (0:00.0 to %3).</source>
            <translation>Диапазон с %1 по %2 лежит вне записи (с 0:00.0 по %3).</translation>
        </message>
        <message>
            <source>The range is empty: its end must come after its start.</source>
            <translation>Диапазон пуст: конец должен быть позже начала.</translation>
        </message>
        <message>
            <source>The recording %1 cannot be found: it was moved or deleted.</source>
            <translation>Запись %1 не найдена: она перемещена или удалена.</translation>
        </message>
        <message>
            <source>The recording %1 cannot be read.</source>
            <translation>Не удаётся прочитать запись %1.</translation>
        </message>
        <message>
            <source>The temporary folder %1 cannot be written.</source>
            <translation>Не удаётся записать во временную папку %1.</translation>
        </message>
        <message>
            <source>The track could not be written into %1.</source>
            <translation>Не удалось записать трек в %1.</translation>
        </message>
        <message>
            <source>There is not enough free space in %1: the clip needs about %2 MB, %3 MB are free.</source>
            <translation>Недостаточно места в %1: фрагменту нужно около %2 МБ, свободно %3 МБ.</translation>
        </message>
        <message>
            <source>ffmpeg could not write the clip: %1</source>
            <translation>ffmpeg не смог записать фрагмент: %1</translation>
        </message>
    </context>
    <context>
        <name>KoClipExportDialog</name>
        <message>
            <source>%1, channels: %2</source>
            <translation>%1, каналов: %2</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Отмена</translation>
        </message>
        <message>
            <source>Cancelled: nothing was saved.</source>
            <translation>Отменено: ничего не сохранено.</translation>
        </message>
        <message>
            <source>Cancelling...</source>
            <translation>Отмена...</translation>
        </message>
        <message>
            <source>Choose the folder for the clip</source>
            <translation>Выберите папку для фрагмента</translation>
        </message>
        <message>
            <source>Choose...</source>
            <translation>Выбрать...</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>Закрыть</translation>
        </message>
        <message>
            <source>Every channel in its original quality, cut without re-encoding, with the track as GPX and CSV, in a new folder.</source>
            <translation>Каждый канал в исходном качестве, вырезанный без перекодирования, трек в GPX и CSV, в новой папке.</translation>
        </message>
        <message>
            <source>Export</source>
            <translation>Экспорт</translation>
        </message>
        <message>
            <source>Export clip</source>
            <translation>Экспорт фрагмента</translation>
        </message>
        <message>
            <source>Export clip...</source>
            <translation>Экспорт фрагмента...</translation>
        </message>
        <message>
            <source>Exporting...</source>
            <translation>Экспорт...</translation>
        </message>
        <message>
            <source>Folder</source>
            <translation>Папка</translation>
        </message>
        <message>
            <source>From</source>
            <translation>С</translation>
        </message>
        <message>
            <source>Left out, as they cannot be read: %1</source>
            <translation>Пропущены, так как не читаются: %1</translation>
        </message>
        <message>
            <source>Length: %1 s</source>
            <translation>Длительность: %1 с</translation>
        </message>
        <message>
            <source>One video</source>
            <translation>Одно видео</translation>
        </message>
        <message>
            <source>Open folder</source>
            <translation>Открыть папку</translation>
        </message>
        <message>
            <source>Reading the recording...</source>
            <translation>Чтение записи...</translation>
        </message>
        <message>
            <source>Saved to %1.</source>
            <translation>Сохранено в %1.</translation>
        </message>
        <message>
            <source>Separate files</source>
            <translation>Отдельные файлы</translation>
        </message>
        <message>
            <source>The channels side by side with the camera time, speed, position and G-sensor burned in (H.264, MP4).</source>
            <translation>Каналы рядом, с впечатанными временем камеры, скоростью, координатами и G-датчиком (H.264, MP4).</translation>
        </message>
        <message>
            <source>The files start up to %1 s before the in point, at a keyframe.</source>
            <translation>Файлы начинаются с ключевого кадра, не более чем за %1 с до начальной точки.</translation>
        </message>
        <message>
            <source>The recording holds no GPS track.</source>
            <translation>В записи нет GPS-трека.</translation>
        </message>
        <message>
            <source>To</source>
            <translation>По</translation>
        </message>
        <message>
            <source>s</source>
            <translation>с</translation>
        </message>
    </context>
    <context>
        <name>KoClipReadings</name>
        <message>
            <source>no GPS fix</source>
            <translation>нет GPS-позиции</translation>
        </message>
    </context>
    <context>
        <name>KoCommandLine</name>
        <message>
            <source>Options:</source>
            <translation>Параметры:</translation>
        </message>
        <message>
            <source>Plays the recordings of a car dash camera. The files given are added to the playlist and the first one plays; a folder adds the recordings in it. When the player is already running, it receives the files.</source>
            <translation>Воспроизводит записи автомобильного видеорегистратора. Указанные файлы добавляются в список воспроизведения, и первый из них начинает играть; папка добавляет находящиеся в ней записи. Если проигрыватель уже запущен, файлы получает он.</translation>
        </message>
        <message>
            <source>Show the version and exit</source>
            <translation>Показать версию и выйти</translation>
        </message>
        <message>
            <source>Show this help and exit</source>
            <translation>Показать эту справку и выйти</translation>
        </message>
        <message>
            <source>Try '%1 --help' for more information.</source>
            <translation>Подробнее: «%1 --help».</translation>
        </message>
        <message>
            <source>Unknown option: %1</source>
            <translation>Неизвестный параметр: %1</translation>
        </message>
        <message>
            <source>Usage: %1 [FILE or FOLDER]...</source>
            <translation>Использование: %1 [ФАЙЛ или ПАПКА]...</translation>
        </message>
    </context>
    <context>
        <name>KoCoverWidget</name>
        <message>
            <source>Form</source>
            <translation>Форма</translation>
        </message>
    </context>
    <context>
        <name>KoDrivingEvents</name>
        <message>
            <source>Harsh acceleration</source>
            <translation>Резкий разгон</translation>
        </message>
        <message>
            <source>Harsh braking</source>
            <translation>Резкое торможение</translation>
        </message>
        <message>
            <source>Impact</source>
            <translation>Удар</translation>
        </message>
        <message>
            <source>Sharp cornering</source>
            <translation>Резкий поворот</translation>
        </message>
    </context>
    <context>
        <name>KoPlaybackSpeed</name>
        <message>
            <source>%1x</source>
            <translation>%1x</translation>
        </message>
    </context>
    <context>
        <name>KoSnapshotTaker</name>
        <message>
            <source>The snapshot was not saved in the folder %1.</source>
            <translation>Снимок не сохранён в папке %1.</translation>
        </message>
        <message>
            <source>The snapshot was not saved: the disk of the folder %1 is full.</source>
            <translation>Снимок не сохранён: диск папки %1 заполнен.</translation>
        </message>
        <message>
            <source>The snapshot was not saved: the folder %1 cannot be written to. Choose another folder in the settings.</source>
            <translation>Снимок не сохранён: в папку %1 нельзя записывать. Выберите другую папку в настройках.</translation>
        </message>
        <message>
            <source>The snapshot was not saved: the folder %1 does not exist. Choose another folder in the settings or connect its drive.</source>
            <translation>Снимок не сохранён: папка %1 не существует. Выберите другую папку в настройках или подключите её диск.</translation>
        </message>
    </context>
    <context>
        <name>KoTrackExportDialog</name>
        <message>
            <source>%1 already exists and was left unchanged.</source>
            <translation>%1 уже существует и оставлен без изменений.</translation>
        </message>
        <message>
            <source>%1 is a recording of the playlist: the track was not written and the recording is unchanged. Choose another file name.</source>
            <translation>%1 — это запись из списка воспроизведения: трек не записан, запись не изменена. Выберите другое имя файла.</translation>
        </message>
        <message>
            <source>CSV (*.csv)</source>
            <translation>Таблица CSV (*.csv)</translation>
        </message>
        <message>
            <source>Export track</source>
            <translation>Экспорт трека</translation>
        </message>
        <message>
            <source>Export track...</source>
            <translation>Экспорт трека...</translation>
        </message>
        <message>
            <source>GPX 1.1 (*.gpx)</source>
            <translation>GPX 1.1 (*.gpx)</translation>
        </message>
        <message>
            <source>The recording %1 cannot be read.</source>
            <translation>Не удаётся прочитать запись %1.</translation>
        </message>
        <message>
            <source>The recording %1 holds no GPS track. Nothing was exported.</source>
            <translation>В записи %1 нет GPS-трека. Ничего не экспортировано.</translation>
        </message>
        <message>
            <source>The track could not be written to %1. Check that the folder exists and that you may write to it.</source>
            <translation>Не удалось записать трек в %1. Проверьте, что папка существует и в неё разрешена запись.</translation>
        </message>
    </context>
    <context>
        <name>KoTrackSummary</name>
        <message>
            <source>Distance %1 %2</source>
            <translation>Пробег %1 %2</translation>
        </message>
        <message>
            <source>Duration %1</source>
            <translation>Длительность %1</translation>
        </message>
        <message>
            <source>Events %1</source>
            <translation>События: %1</translation>
        </message>
        <message>
            <source>Top speed %1 %2</source>
            <translation>Макс. скорость %1 %2</translation>
        </message>
    </context>
    <context>
        <name>KoTripNavigator</name>
        <message>
            <source>Driving events: %1</source>
            <translation>Событий вождения: %1</translation>
        </message>
        <message>
            <source>Recordings: %1</source>
            <translation>Записей: %1</translation>
        </message>
        <message>
            <source>The figures count only the recordings whose track has been read.</source>
            <translation>В цифрах учтены только записи, трек которых уже прочитан.</translation>
        </message>
        <message>
            <source>Trip: %1</source>
            <translation>Поездка: %1</translation>
        </message>
    </context>
    <context>
        <name>KoTrips</name>
        <message>
            <source>top speed %1 %2</source>
            <translation>макс. скорость %1 %2</translation>
        </message>
    </context>
    <context>
        <name>VelmorMainWidget</name>
        <message>
            <source>No sound output</source>
            <translation>Нет вывода звука</translation>
        </message>
        <message>
            <source>No sound output: the sound device cannot be opened, recordings play without sound.</source>
            <translation>Нет вывода звука: звуковое устройство не открывается, записи воспроизводятся без звука.</translation>
        </message>
        <message>
            <source>Settings</source>
            <translation>Настройки</translation>
        </message>
        <message>
            <source>Settings cannot be saved: changes are lost when the player closes.</source>
            <translation>Настройки не сохраняются: изменения пропадут при выходе.</translation>
        </message>
        <message>
            <source>mov</source>
            <translation>mov</translation>
        </message>
        <message>
            <source>mp4</source>
            <translation>mp4</translation>
        </message>
        <message>
            <source>ts</source>
            <translation>ts</translation>
        </message>
        <message>
            <source>上一帧</source>
            <translation>Предыдущая запись</translation>
        </message>
        <message>
            <source>下一帧</source>
            <translation>Следующая запись</translation>
        </message>
        <message>
            <source>伟 度</source>
            <translation>Широта</translation>
        </message>
        <message>
            <source>停止</source>
            <translation>Стоп</translation>
        </message>
        <message>
            <source>全屏</source>
            <translation>Во весь экран</translation>
        </message>
        <message>
            <source>全屏播放</source>
            <translation>Во весь экран</translation>
        </message>
        <message>
            <source>切换画面</source>
            <translation>Сменить вид</translation>
        </message>
        <message>
            <source>打开文件</source>
            <translation>Открыть файлы</translation>
        </message>
        <message>
            <source>打开文件夹</source>
            <translation>Открыть папку</translation>
        </message>
        <message>
            <source>抓拍图片</source>
            <translation>Снимок кадра</translation>
        </message>
        <message>
            <source>拍照</source>
            <translation>Снимок</translation>
        </message>
        <message>
            <source>提示</source>
            <translation>Внимание</translation>
        </message>
        <message>
            <source>播放/暂停</source>
            <translation>Воспроизведение/пауза</translation>
        </message>
        <message>
            <source>放大</source>
            <translation>Увеличить</translation>
        </message>
        <message>
            <source>海 拔</source>
            <translation>Высота</translation>
        </message>
        <message>
            <source>添加文件</source>
            <translation>Файлы</translation>
        </message>
        <message>
            <source>添加文件夹</source>
            <translation>Папка</translation>
        </message>
        <message>
            <source>清空列表</source>
            <translation>Очистить</translation>
        </message>
        <message>
            <source>确定要清空文件列表？</source>
            <translation>Очистить список файлов?</translation>
        </message>
        <message>
            <source>经 度</source>
            <translation>Долгота</translation>
        </message>
        <message>
            <source>缩小</source>
            <translation>Уменьшить</translation>
        </message>
        <message>
            <source>静音</source>
            <translation>Без звука</translation>
        </message>
    </context>
</TS>
