<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- The program's texts are English in the source; this gives the forms that
     depend on a number. Compiled into the program when it is built. -->
<TS version="2.1" language="en">
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
</context>
</TS>
