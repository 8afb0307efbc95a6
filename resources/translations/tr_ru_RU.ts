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
</TS>
