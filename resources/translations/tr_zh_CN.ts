<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
    <context>
        <name>JXAlertDialog</name>
        <message>
            <source>Cancel</source>
            <translation>取消</translation>
        </message>
        <message>
            <source>Dialog</source>
            <translation>对话框</translation>
        </message>
        <message>
            <source>Ok</source>
            <translation>确认</translation>
        </message>
    </context>
    <context>
        <name>JXPlayWidget</name>
        <message>
            <source>Form</source>
            <translation>窗体</translation>
        </message>
    </context>
    <context>
        <name>JXTreeItemDelegate</name>
        <message>
            <source>%1 MB</source>
            <translation>%1 MB</translation>
        </message>
    </context>
    <context>
        <name>KoAppSettingDialog</name>
        <message>
            <source>Current Version: </source>
            <translation>当前版本：</translation>
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
            <translation>项目主页：%1</translation>
        </message>
        <message>
            <source>Questions and bug reports: the project page's tracker.</source>
            <translation>问题与错误报告：请使用项目主页上的问题跟踪。</translation>
        </message>
        <message>
            <source>System Setting</source>
            <translation>系统设置</translation>
        </message>
        <message>
            <source>Tavrin Player plays dash-camera recordings together with their route, speed and G-sensor track.</source>
            <translation>Tavrin Player 播放行车记录仪录像，并同步显示行驶路线、速度和重力感应数据。</translation>
        </message>
        <message>
            <source>Tavrin Player: every camera of a drive, one timeline.</source>
            <translation>Tavrin Player：一次行程的所有摄像头，一条时间线。</translation>
        </message>
        <message>
            <source>Version Info</source>
            <translation>版本信息</translation>
        </message>
        <message>
            <source>Web site: %1</source>
            <translation>网站：%1</translation>
        </message>
        <message>
            <source>俄文</source>
            <translation>русский</translation>
        </message>
        <message>
            <source>地图选择：</source>
            <translation>地图选择：</translation>
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
            <translation>抓拍路径</translation>
        </message>
        <message>
            <source>抓拍路径：</source>
            <translation>抓拍路径：</translation>
        </message>
        <message>
            <source>无法写入所选文件夹，抓拍路径未更改。</source>
            <translation>无法写入所选文件夹，抓拍路径未更改。</translation>
        </message>
        <message>
            <source>百度地图</source>
            <translation>百度地图</translation>
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
            <translation>语言设置：</translation>
        </message>
        <message>
            <source>谷歌地图</source>
            <translation>谷歌地图</translation>
        </message>
        <message>
            <source>速度单位：</source>
            <translation>速度单位：</translation>
        </message>
    </context>
    <context>
        <name>KoCoverWidget</name>
        <message>
            <source>Form</source>
            <translation>窗体</translation>
        </message>
    </context>
</TS>
