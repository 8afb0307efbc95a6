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
        <name>VelmorMainWidget</name>
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
