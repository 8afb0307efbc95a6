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
        <name>KoCoverWidget</name>
        <message>
            <source>Form</source>
            <translation>Форма</translation>
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
        <name>KoTrackExportDialog</name>
        <message>
            <source>%1 already exists and was left unchanged.</source>
            <translation>%1 уже существует и оставлен без изменений.</translation>
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
</TS>
