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
            <source>English</source>
            <translation>Английский</translation>
        </message>
        <message>
            <source>Japanese</source>
            <translation>Японский</translation>
        </message>
        <message>
            <source>俄文</source>
            <translation>Русский</translation>
        </message>
        <message>
            <source>德文</source>
            <translation>Немецкий</translation>
        </message>
        <message>
            <source>意大利</source>
            <translation>Итальянский</translation>
        </message>
        <message>
            <source>简体中文</source>
            <translation>Китайский (упрощённый)</translation>
        </message>
        <message>
            <source>繁体中文</source>
            <translation>Китайский (традиционный)</translation>
        </message>
        <message>
            <source>西班牙</source>
            <translation>Испанский</translation>
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
</TS>
