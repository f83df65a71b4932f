<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>JourneyTab</name>
    <message numerus="yes">
        <source>%n row(s) of your cravings could not be read. They are kept in the file as they are.</source>
        <translation>
            <numerusform>%n row of your cravings could not be read. It is kept in the file as it is.</numerusform>
            <numerusform>%n rows of your cravings could not be read. They are kept in the file as they are.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PlansDialog</name>
    <message numerus="yes">
        <source>%n row(s) of your plans could not be read. They are kept in the file as they are.</source>
        <translation>
            <numerusform>%n row of your plans could not be read. It is kept in the file as it is.</numerusform>
            <numerusform>%n rows of your plans could not be read. They are kept in the file as they are.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>journey</name>
    <message numerus="yes">
        <source>%n day(s)</source>
        <translation>
            <numerusform>%n day</numerusform>
            <numerusform>%n days</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s)</source>
        <translation>
            <numerusform>%n hour</numerusform>
            <numerusform>%n hours</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n craving(s)</source>
        <translation>
            <numerusform>%n craving</numerusform>
            <numerusform>%n cravings</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Longest: %n day(s)</source>
        <translation>
            <numerusform>Longest: %n day</numerusform>
            <numerusform>Longest: %n days</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Cravings per day, the last %n day(s)</source>
        <translation>
            <numerusform>Cravings per day, the last day</numerusform>
            <numerusform>Cravings per day, the last %n days</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Attempts so far: %n</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Cravings logged in the last %1 days: %n. %2% passed without a cigarette.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Hour of the day, the last %n day(s)</source>
        <translation>
            <numerusform>Hour of the day, the last %n day</numerusform>
            <numerusform>Hour of the day, the last %n days</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Half of your cravings were over within %n minute(s).</source>
        <translation>
            <numerusform>Half of your cravings were over within %n minute.</numerusform>
            <numerusform>Half of your cravings were over within %n minutes.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Slips in this attempt: %n</source>
        <translation>
            <numerusform>Slips in this attempt: %n</numerusform>
            <numerusform>Slips in this attempt: %n</numerusform>
        </translation>
    </message>
</context>
</TS>
