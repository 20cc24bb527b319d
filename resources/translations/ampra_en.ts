<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>BatteryManager</name>
    <message>
        <source>Plug your Mac to fully charge it.</source>
        <extracomment>Guide Message on state InitCalibration.</extracomment>
        <translation>Plug in your computer and charge it fully.</translation>
    </message>
    <message>
        <source>Keep your Mac Conected for a while.</source>
        <extracomment>Guide Message on state FullyCharged.</extracomment>
        <translation>Keep your computer connected for a while.</translation>
    </message>
    <message>
        <source>You can disconnect your power adapter.</source>
        <extracomment>Guide Message on state DisconnectAdapter.</extracomment>
        <translation>You can disconnect your power adapter.</translation>
    </message>
    <message>
        <source>Allow your Mac to sleep or switch it off.</source>
        <extracomment>Guide Message on state TurnItOff.</extracomment>
        <translation>Let your computer sleep or switch it off.</translation>
    </message>
    <message>
        <source>Calibration Done!!</source>
        <extracomment>Guide Message on state CalibrationDone.</extracomment>
        <translation>Calibration done!</translation>
    </message>
</context>
<context>
    <name>MessageBoxErrorPresenter</name>
    <message>
        <source>Ampra cannot open the file where it keeps its history. It goes on without saving calibrations and capacity readings.</source>
        <extracomment>Shown when the file with the calibration and capacity history cannot be opened</extracomment>
        <translation>Ampra cannot open the file where it keeps its history. It goes on without saving calibrations and capacity readings.</translation>
    </message>
</context>
<context>
    <name>NoticeTexts</name>
    <message>
        <source>Change on power source</source>
        <extracomment>Title of the power source change notification</extracomment>
        <translation>Power source changed</translation>
    </message>
    <message>
        <source>Now running on AC</source>
        <extracomment>Subtitle of the power source change notification when running on AC</extracomment>
        <translation>Now running on AC power</translation>
    </message>
    <message>
        <source>Now running on battery</source>
        <extracomment>Subtitle of the power source change notification when running on battery</extracomment>
        <translation>Now running on battery</translation>
    </message>
    <message>
        <source>Low battery</source>
        <extracomment>Title of the low battery notification</extracomment>
        <translation>Low battery</translation>
    </message>
    <message>
        <source>Battery charge is under %u %%</source>
        <extracomment>Subtitle of the low battery notification (%1: the charge level crossed, a number from 1 to 100; write the percent sign as your language does)</extracomment>
        <translation>Battery charge is below %1%</translation>
    </message>
    <message>
        <source>Unplug your mac</source>
        <extracomment>Title of the notification for long connection time</extracomment>
        <translation>Unplug your computer</translation>
    </message>
    <message>
        <source>You have been connected for too long</source>
        <extracomment>Subtitle of the notification for long connection time</extracomment>
        <translation>Your computer has been plugged in for too long</translation>
    </message>
    <message>
        <source>Calibration process:</source>
        <extracomment>Title of the notification for Calibration Proces</extracomment>
        <translation>Battery calibration</translation>
    </message>
</context>
<context>
    <name>TrayStatusItemHost</name>
    <message>
        <source>Quit</source>
        <extracomment>Item of the tray icon&apos;s menu that ends Ampra</extracomment>
        <translation>Quit</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>The battery could not be read.</source>
        <extracomment>Printed by &quot;ampra --print-battery&quot; when the power supply files cannot be read</extracomment>
        <translation>The battery could not be read.</translation>
    </message>
    <message>
        <source>No battery found.</source>
        <extracomment>Printed by &quot;ampra --print-battery&quot; on a computer without a battery</extracomment>
        <translation>No battery found.</translation>
    </message>
</context>
</TS>
