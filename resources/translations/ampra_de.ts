<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>BatteryManager</name>
    <message>
        <source>Plug your Mac to fully charge it.</source>
        <extracomment>Guide Message on state InitCalibration.</extracomment>
        <translation>Schließen Sie den Computer an das Netzteil an und laden Sie den Akku vollständig auf.</translation>
    </message>
    <message>
        <source>Keep your Mac Conected for a while.</source>
        <extracomment>Guide Message on state FullyCharged.</extracomment>
        <translation>Lassen Sie den Computer noch eine Weile am Netzteil.</translation>
    </message>
    <message>
        <source>You can disconnect your power adapter.</source>
        <extracomment>Guide Message on state DisconnectAdapter.</extracomment>
        <translation>Sie können das Netzteil jetzt trennen.</translation>
    </message>
    <message>
        <source>Allow your Mac to sleep or switch it off.</source>
        <extracomment>Guide Message on state TurnItOff.</extracomment>
        <translation>Versetzen Sie den Computer in Bereitschaft oder schalten Sie ihn aus.</translation>
    </message>
    <message>
        <source>Calibration Done!!</source>
        <extracomment>Guide Message on state CalibrationDone.</extracomment>
        <translation>Kalibrierung abgeschlossen!</translation>
    </message>
</context>
<context>
    <name>MessageBoxErrorPresenter</name>
    <message>
        <source>Ampra cannot open the file where it keeps its history. It goes on without saving calibrations and capacity readings.</source>
        <extracomment>Shown when the file with the calibration and capacity history cannot be opened</extracomment>
        <translation>Ampra kann die Datei mit seinem Verlauf nicht öffnen. Es läuft weiter, speichert aber keine Kalibrierungen und Kapazitätswerte.</translation>
    </message>
</context>
<context>
    <name>NoticeTexts</name>
    <message>
        <source>Change on power source</source>
        <extracomment>Title of the power source change notification</extracomment>
        <translation>Stromquelle gewechselt</translation>
    </message>
    <message>
        <source>Now running on AC</source>
        <extracomment>Subtitle of the power source change notification when running on AC</extracomment>
        <translation>Jetzt im Netzbetrieb</translation>
    </message>
    <message>
        <source>Now running on battery</source>
        <extracomment>Subtitle of the power source change notification when running on battery</extracomment>
        <translation>Jetzt im Akkubetrieb</translation>
    </message>
    <message>
        <source>Low battery</source>
        <extracomment>Title of the low battery notification</extracomment>
        <translation>Niedriger Akkustand</translation>
    </message>
    <message>
        <source>Battery charge is under %u %%</source>
        <extracomment>Subtitle of the low battery notification (%1: the charge level crossed, a number from 1 to 100; write the percent sign as your language does)</extracomment>
        <translation>Akkuladung unter %1 %</translation>
    </message>
    <message>
        <source>Unplug your mac</source>
        <extracomment>Title of the notification for long connection time</extracomment>
        <translation>Trennen Sie den Computer vom Netzteil</translation>
    </message>
    <message>
        <source>You have been connected for too long</source>
        <extracomment>Subtitle of the notification for long connection time</extracomment>
        <translation>Der Computer ist schon zu lange am Netzteil angeschlossen</translation>
    </message>
    <message>
        <source>Calibration process:</source>
        <extracomment>Title of the notification for Calibration Proces</extracomment>
        <translation>Akkukalibrierung</translation>
    </message>
</context>
<context>
    <name>TrayStatusItemHost</name>
    <message>
        <source>Quit</source>
        <extracomment>Item of the tray icon&apos;s menu that ends Ampra</extracomment>
        <translation>Beenden</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>The battery could not be read.</source>
        <extracomment>Printed by &quot;ampra --print-battery&quot; when the power supply files cannot be read</extracomment>
        <translation>Der Akku konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>No battery found.</source>
        <extracomment>Printed by &quot;ampra --print-battery&quot; on a computer without a battery</extracomment>
        <translation>Kein Akku gefunden.</translation>
    </message>
</context>
</TS>
