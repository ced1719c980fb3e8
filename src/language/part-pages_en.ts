<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>AlarmRules</name>
    <message>
        <source>UP RATE</source>
        <translation>UP RATE</translation>
    </message>
    <message>
        <source>DOWN RATE</source>
        <translation>DOWN RATE</translation>
    </message>
</context>
<context>
    <name>AlarmTypePictures</name>
    <message>
        <source>TYPE %1</source>
        <translation>TYPE %1</translation>
    </message>
    <message>
        <source>SV</source>
        <translation>SV</translation>
    </message>
    <message>
        <source>HYS.</source>
        <translation>HYS.</translation>
    </message>
    <message>
        <source>WITH CH.</source>
        <translation>WITH CH.</translation>
    </message>
    <message>
        <source>ERROR VALUE</source>
        <translation>ERROR VALUE</translation>
    </message>
    <message>
        <source>TIME</source>
        <translation>TIME</translation>
    </message>
    <message>
        <source>RATE</source>
        <translation>RATE</translation>
    </message>
    <message>
        <source>OPEN</source>
        <translation>OPEN</translation>
    </message>
    <message>
        <source>RECORD / RELAY</source>
        <translation>RECORD / RELAY</translation>
    </message>
    <message>
        <source>SET VALUE</source>
        <translation>SET VALUE</translation>
    </message>
    <message>
        <source>BURNOUT</source>
        <translation>BURNOUT</translation>
    </message>
</context>
<context>
    <name>DisplayGroups</name>
    <message>
        <source>channel %1</source>
        <translation>channel %1</translation>
    </message>
    <message>
        <source>%1 holds %2 channels already, the most a group can hold. Take a channel out of %1 before %3 can join it.</source>
        <translation>%1 holds %2 channels already, the most a group can hold. Take a channel out of %1 before %3 can join it.</translation>
    </message>
    <message>
        <source>Channels join or leave a group while GROUP 1 or GROUP 2 is shown. Step to the group with the arrows, then click %1.</source>
        <translation>Channels join or leave a group while GROUP 1 or GROUP 2 is shown. Step to the group with the arrows, then click %1.</translation>
    </message>
</context>
<context>
    <name>EntryRules</name>
    <message>
        <source>The value</source>
        <translation>The value</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a number. The value stays as it was.</source>
        <translation>%1: &quot;%2&quot; is not a number. The value stays as it was.</translation>
    </message>
    <message>
        <source>%1 is at least %2 (%3 for none): %4 became %3.</source>
        <translation>%1 is at least %2 (%3 for none): %4 became %3.</translation>
    </message>
    <message>
        <source>%1 takes %2 to %3: %4 was not taken. The value stays as it was.</source>
        <translation>%1 takes %2 to %3: %4 was not taken. The value stays as it was.</translation>
    </message>
    <message>
        <source>%1 is at least %2: %3 became %2.</source>
        <translation>%1 is at least %2: %3 became %2.</translation>
    </message>
    <message>
        <source>%1 is at most %2: %3 became %2.</source>
        <translation>%1 is at most %2: %3 became %2.</translation>
    </message>
    <message>
        <source>a whole number</source>
        <translation>a whole number</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>a number</translation>
    </message>
    <message>
        <source>takes %1 from %2 to %3</source>
        <translation>takes %1 from %2 to %3</translation>
    </message>
    <message>
        <source>%1 holds at most %2 characters: &quot;%3&quot; is kept.</source>
        <translation>%1 holds at most %2 characters: &quot;%3&quot; is kept.</translation>
    </message>
</context>
<context>
    <name>FormulaView</name>
    <message>
        <source>Click to enter the formula</source>
        <translation>Click to enter the formula</translation>
    </message>
</context>
<context>
    <name>PageFactory</name>
    <message>
        <source>The home page (recording and displayed channels)</source>
        <translation>The home page (recording and displayed channels)</translation>
    </message>
    <message>
        <source>The display page</source>
        <translation>The display page</translation>
    </message>
    <message>
        <source>The system page</source>
        <translation>The system page</translation>
    </message>
    <message>
        <source>The alarm and digital input page</source>
        <translation>The alarm and digital input page</translation>
    </message>
    <message>
        <source>The channel page</source>
        <translation>The channel page</translation>
    </message>
    <message>
        <source>%1 (%2) comes in a later version of the program. The value can still be uploaded, saved and downloaded.</source>
        <translation>%1 (%2) comes in a later version of the program. The value can still be uploaded, saved and downloaded.</translation>
    </message>
</context>
<context>
    <name>ParamFile</name>
    <message>
        <source>%1 is empty, not a parameter file.</source>
        <translation>%1 is empty, not a parameter file.</translation>
    </message>
    <message>
        <source>%1 is a data file (TD700 LOG DATA), not a parameter file.</source>
        <translation>%1 is a data file (TD700 LOG DATA), not a parameter file.</translation>
    </message>
    <message>
        <source>%1 is not a parameter file: its header holds no model and firmware version.</source>
        <translation>%1 is not a parameter file: its header holds no model and firmware version.</translation>
    </message>
    <message>
        <source>%1 is not a parameter file: its header names %2 (a parameter file names one of the four models and its firmware).</source>
        <translation>%1 is not a parameter file: its header names %2 (a parameter file names one of the four models and its firmware).</translation>
    </message>
    <message>
        <source>firmware 0.00</source>
        <translation>firmware 0.00</translation>
    </message>
    <message>
        <source>model code %1, which is no model</source>
        <translation>model code %1, which is no model</translation>
    </message>
    <message>
        <source>%1 is too short: %2 bytes, where a parameter file of firmware %3 has %4. Nothing was loaded.</source>
        <translation>%1 is too short: %2 bytes, where a parameter file of firmware %3 has %4. Nothing was loaded.</translation>
    </message>
    <message>
        <source>%1 is %2 bytes longer than a parameter file of firmware %3 (%4 bytes): the extra bytes were ignored.</source>
        <translation>%1 is %2 bytes longer than a parameter file of firmware %3 (%4 bytes): the extra bytes were ignored.</translation>
    </message>
    <message>
        <source>Cannot open %1: %2.</source>
        <translation>Cannot open %1: %2.</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Cannot read %1: %2</translation>
    </message>
    <message>
        <source>%1 was not saved: %2. A file of that name is left as it was.</source>
        <translation>%1 was not saved: %2. A file of that name is left as it was.</translation>
    </message>
</context>
<context>
    <name>ParamPage</name>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Close</translation>
    </message>
</context>
<context>
    <name>ParamSetFiles</name>
    <message>
        <source>Cannot open %1: %2.</source>
        <translation>Cannot open %1: %2.</translation>
    </message>
    <message>
        <source>%1 is %2 bytes long, far more than a parameter set as text</source>
        <translation>%1 is %2 bytes long, far more than a parameter set as text</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Cannot read %1: %2</translation>
    </message>
    <message>
        <source>%1 is a parameter set as text with faults; nothing was read:
</source>
        <translation>%1 is a parameter set as text with faults; nothing was read:
</translation>
    </message>
    <message>
        <source>%1 was not saved: %2. A file of that name is left as it was.</source>
        <translation>%1 was not saved: %2. A file of that name is left as it was.</translation>
    </message>
</context>
<context>
    <name>ParamTables</name>
    <message>
        <source>DESCRIPTION</source>
        <translation>DESCRIPTION</translation>
    </message>
    <message>
        <source>VALUE</source>
        <translation>VALUE</translation>
    </message>
</context>
<context>
    <name>ParamTextForm</name>
    <message>
        <source>takes a whole number from %1 to %2</source>
        <translation>takes a whole number from %1 to %2</translation>
    </message>
    <message>
        <source>takes a number</source>
        <translation>takes a number</translation>
    </message>
    <message>
        <source>holds characters that a recorder cannot keep</source>
        <translation>holds characters that a recorder cannot keep</translation>
    </message>
    <message>
        <source>is %1 bytes long; the row holds %2</source>
        <translation>is %1 bytes long; the row holds %2</translation>
    </message>
    <message>
        <source>has no place in a parameter set</source>
        <translation>has no place in a parameter set</translation>
    </message>
    <message>
        <source>@ wants a whole number of %1 bits</source>
        <translation>@ wants a whole number of %1 bits</translation>
    </message>
    <message>
        <source>@ wants a number, or 0x and eight hex digits</source>
        <translation>@ wants a number, or 0x and eight hex digits</translation>
    </message>
    <message>
        <source>@ wants the row&apos;s %1 bytes in hex</source>
        <translation>@ wants the row&apos;s %1 bytes in hex</translation>
    </message>
    <message>
        <source>the row has no stored value</source>
        <translation>the row has no stored value</translation>
    </message>
    <message>
        <source>is longer than the %1 characters a formula holds</source>
        <translation>is longer than the %1 characters a formula holds</translation>
    </message>
    <message>
        <source>@ wants the formula&apos;s %1 bytes in hex</source>
        <translation>@ wants the formula&apos;s %1 bytes in hex</translation>
    </message>
</context>
<context>
    <name>ParamTextImport</name>
    <message>
        <source>%1 is not UTF-8 text</source>
        <translation>%1 is not UTF-8 text</translation>
    </message>
    <message>
        <source>%1: and %2 more</source>
        <translation>%1: and %2 more</translation>
    </message>
    <message>
        <source>%1 line %2: %3</source>
        <translation>%1 line %2: %3</translation>
    </message>
    <message>
        <source>unknown section [%1]</source>
        <translation>unknown section [%1]</translation>
    </message>
    <message>
        <source>section [%1] is given twice (first on line %2)</source>
        <translation>section [%1] is given twice (first on line %2)</translation>
    </message>
    <message>
        <source>%1 comes before any section</source>
        <translation>%1 comes before any section</translation>
    </message>
    <message>
        <source>%1 is given twice in [%2] (first on line %3)</source>
        <translation>%1 is given twice in [%2] (first on line %3)</translation>
    </message>
    <message>
        <source>[file] takes no @</source>
        <translation>[file] takes no @</translation>
    </message>
    <message>
        <source>CHANNELS = %1: takes 2, 4, 6 or 12</source>
        <translation>CHANNELS = %1: takes 2, 4, 6 or 12</translation>
    </message>
    <message>
        <source>FIRMWARE = %1: takes a version such as 1.20</source>
        <translation>FIRMWARE = %1: takes a version such as 1.20</translation>
    </message>
    <message>
        <source>unknown key %1 in [file] (CHANNELS, FIRMWARE)</source>
        <translation>unknown key %1 in [file] (CHANNELS, FIRMWARE)</translation>
    </message>
    <message>
        <source>[file] says %1 channels, the base set has %2</source>
        <translation>[file] says %1 channels, the base set has %2</translation>
    </message>
    <message>
        <source>[file] says firmware %1, the base set is %2</source>
        <translation>[file] says firmware %1, the base set is %2</translation>
    </message>
    <message>
        <source>[file] must give CHANNELS and FIRMWARE (or give a base set the text changes)</source>
        <translation>[file] must give CHANNELS and FIRMWARE (or give a base set the text changes)</translation>
    </message>
    <message>
        <source>the set has %1 channels: there is no [%2]</source>
        <translation>the set has %1 channels: there is no [%2]</translation>
    </message>
    <message>
        <source>a set of firmware %1 keeps no formulas in its file</source>
        <translation>a set of firmware %1 keeps no formulas in its file</translation>
    </message>
    <message>
        <source>%1 is the meter&apos;s clock; a parameter set has no place for it</source>
        <translation>%1 is the meter&apos;s clock; a parameter set has no place for it</translation>
    </message>
    <message>
        <source>%1 has no place in a set of firmware %2</source>
        <translation>%1 has no place in a set of firmware %2</translation>
    </message>
    <message>
        <source>%1 is a channel row: give it under [CH01] .. [CH%2]</source>
        <translation>%1 is a channel row: give it under [CH01] .. [CH%2]</translation>
    </message>
    <message>
        <source>%1 is a common row: give it under [common]</source>
        <translation>%1 is a common row: give it under [common]</translation>
    </message>
    <message>
        <source>unknown key %1 in [%2]</source>
        <translation>unknown key %1 in [%2]</translation>
    </message>
    <message>
        <source>@ %1 shows as %2, not as the text</source>
        <translation>@ %1 shows as %2, not as the text</translation>
    </message>
    <message>
        <source>unknown key %1 in [formulas] (CH01 .. CH06, MEM01 .. MEM06)</source>
        <translation>unknown key %1 in [formulas] (CH01 .. CH06, MEM01 .. MEM06)</translation>
    </message>
    <message>
        <source>the set has %1 channels: there is no %2</source>
        <translation>the set has %1 channels: there is no %2</translation>
    </message>
    <message>
        <source>%1: a parameter file keeps the formulas of channels 1 to 6 only; a download leaves a meter&apos;s others as they are</source>
        <translation>%1: a parameter file keeps the formulas of channels 1 to 6 only; a download leaves a meter&apos;s others as they are</translation>
    </message>
    <message>
        <source>@ shows as %1, not as the text</source>
        <translation>@ shows as %1, not as the text</translation>
    </message>
    <message>
        <source>a reserved line is written OFFSET = hex bytes</source>
        <translation>a reserved line is written OFFSET = hex bytes</translation>
    </message>
    <message>
        <source>offset %1 and %2 bytes go past the %3 bytes of the file</source>
        <translation>offset %1 and %2 bytes go past the %3 bytes of the file</translation>
    </message>
    <message>
        <source>byte %1 belongs to a row; give the row instead</source>
        <translation>byte %1 belongs to a row; give the row instead</translation>
    </message>
    <message>
        <source>byte %1 is given twice</source>
        <translation>byte %1 is given twice</translation>
    </message>
    <message>
        <source> (a text without a base set gives every row)</source>
        <translation> (a text without a base set gives every row)</translation>
    </message>
    <message>
        <source>[%1] is not given</source>
        <translation>[%1] is not given</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>and %1 more</translation>
    </message>
    <message>
        <source>[%1] lacks %2</source>
        <translation>[%1] lacks %2</translation>
    </message>
    <message>
        <source>%1 would hold %2 channels; a group holds at most %3</source>
        <translation>%1 would hold %2 channels; a group holds at most %3</translation>
    </message>
</context>
<context>
    <name>ParamTextSyntax</name>
    <message>
        <source>\x wants two hex digits</source>
        <translation>\x wants two hex digits</translation>
    </message>
    <message>
        <source>unknown escape \%1 in a quoted text (\&quot; \\ \xHH)</source>
        <translation>unknown escape \%1 in a quoted text (\&quot; \\ \xHH)</translation>
    </message>
    <message>
        <source>the quoted text has no closing quote</source>
        <translation>the quoted text has no closing quote</translation>
    </message>
    <message>
        <source>a section is written [name]</source>
        <translation>a section is written [name]</translation>
    </message>
    <message>
        <source>a row is written KEY = text</source>
        <translation>a row is written KEY = text</translation>
    </message>
    <message>
        <source>&apos;%1&apos; after the quoted text</source>
        <translation>&apos;%1&apos; after the quoted text</translation>
    </message>
</context>
<context>
    <name>RowRules</name>
    <message>
        <source>Disable Character.</source>
        <comment>after what a row takes</comment>
        <translation>character not allowed</translation>
    </message>
    <message>
        <source>takes at most %1 characters</source>
        <translation>takes at most %1 characters</translation>
    </message>
    <message>
        <source>takes no &apos;%1&apos; (%2)</source>
        <translation>takes no &apos;%1&apos; (%2)</translation>
    </message>
    <message>
        <source>takes what the clock window sets (%1 would become %2)</source>
        <translation>takes what the clock window sets (%1 would become %2)</translation>
    </message>
    <message>
        <source>takes up to %1 letters, digits and ( ) + - * / % , . [ ] $ (%2)</source>
        <translation>takes up to %1 letters, digits and ( ) + - * / % , . [ ] $ (%2)</translation>
    </message>
    <message>
        <source>takes the code of an input type (1 to 8, 10 to 14, 16 to 19)</source>
        <translation>takes the code of an input type (1 to 8, 10 to 14, 16 to 19)</translation>
    </message>
    <message>
        <source>takes one of %1</source>
        <translation>takes one of %1</translation>
    </message>
    <message>
        <source>takes capital letters but E, J, K, Y and Z, digits, spaces and ( ) + - * / ^ % , : . (%1)</source>
        <translation>takes capital letters but E, J, K, Y and Z, digits, spaces and ( ) + - * / ^ % , : . (%1)</translation>
    </message>
</context>
<context>
    <name>frmInputKey</name>
    <message>
        <source>Input</source>
        <translation>Input</translation>
    </message>
    <message>
        <source>Letters A-D, F-I, L-X, digits, space and ( ) + - * / ^ % , : . (at most %1 characters)</source>
        <translation>Letters A-D, F-I, L-X, digits, space and ( ) + - * / ^ % , : . (at most %1 characters)</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>Disable Character.</source>
        <comment>a formula</comment>
        <translation>Character not allowed: a formula takes only the letters A-D, F-I and L-X, digits, spaces and ( ) + - * / ^ % , : .</translation>
    </message>
</context>
<context>
    <name>frmTD_P_ARM_DI</name>
    <message>
        <source>ALARM/DI SETUP</source>
        <translation>ALARM/DI SETUP</translation>
    </message>
    <message>
        <source>ALARM</source>
        <translation>ALARM</translation>
    </message>
    <message>
        <source>CH.NO</source>
        <translation>CH.NO</translation>
    </message>
    <message>
        <source>TYPE</source>
        <translation>TYPE</translation>
    </message>
    <message>
        <source>SET VALUE</source>
        <translation>SET VALUE</translation>
    </message>
    <message>
        <source>HYS.</source>
        <translation>HYS.</translation>
    </message>
    <message>
        <source>WITH CH.</source>
        <translation>WITH CH.</translation>
    </message>
    <message>
        <source>ERROR VALUE</source>
        <translation>ERROR VALUE</translation>
    </message>
    <message>
        <source>UP RATE</source>
        <translation>UP RATE</translation>
    </message>
    <message>
        <source>USER-RANGE BURNOUT or OPEN</source>
        <translation>USER-RANGE BURNOUT or OPEN</translation>
    </message>
    <message>
        <source>RECORD</source>
        <translation>RECORD</translation>
    </message>
    <message>
        <source>OUTPUT</source>
        <translation>OUTPUT</translation>
    </message>
    <message>
        <source>RELAY NO.</source>
        <translation>RELAY NO.</translation>
    </message>
    <message>
        <source>ON-TIME</source>
        <translation>ON-TIME</translation>
    </message>
    <message>
        <source>D/I</source>
        <translation>D/I</translation>
    </message>
    <message>
        <source>D/I NO.</source>
        <translation>D/I NO.</translation>
    </message>
    <message>
        <source>D/I LEVEL</source>
        <translation>D/I LEVEL</translation>
    </message>
    <message>
        <source>HYSTERESIS</source>
        <translation>HYSTERESIS</translation>
    </message>
    <message>
        <source>RATE</source>
        <translation>RATE</translation>
    </message>
</context>
<context>
    <name>frmTD_P_Channel</name>
    <message>
        <source>USER RANGE HIGH</source>
        <translation>USER RANGE HIGH</translation>
    </message>
    <message>
        <source>USER RANGE LOW</source>
        <translation>USER RANGE LOW</translation>
    </message>
    <message>
        <source>SCALE RANGE HIGH</source>
        <translation>SCALE RANGE HIGH</translation>
    </message>
    <message>
        <source>SCALE RANGE LOW</source>
        <translation>SCALE RANGE LOW</translation>
    </message>
    <message>
        <source>DISP. RANGE HIGH</source>
        <translation>DISP. RANGE HIGH</translation>
    </message>
    <message>
        <source>DISP. RANGE LOW</source>
        <translation>DISP. RANGE LOW</translation>
    </message>
    <message>
        <source>OFFSET</source>
        <translation>OFFSET</translation>
    </message>
    <message>
        <source>HIGH POINT</source>
        <translation>HIGH POINT</translation>
    </message>
    <message>
        <source>LOW POINT</source>
        <translation>LOW POINT</translation>
    </message>
    <message>
        <source>CHANNEL SETUP</source>
        <translation>CHANNEL SETUP</translation>
    </message>
    <message>
        <source>CH.NO</source>
        <translation>CH.NO</translation>
    </message>
    <message>
        <source>INPUT</source>
        <translation>INPUT</translation>
    </message>
    <message>
        <source>SCALING</source>
        <translation>SCALING</translation>
    </message>
    <message>
        <source>READING / ADJUST</source>
        <translation>READING / ADJUST</translation>
    </message>
    <message>
        <source>MATH / FORMULA</source>
        <translation>MATH / FORMULA</translation>
    </message>
    <message>
        <source>DISP. RANGE</source>
        <translation>DISP. RANGE</translation>
    </message>
    <message>
        <source>INPUT TYPE</source>
        <translation>INPUT TYPE</translation>
    </message>
    <message>
        <source>TYPE</source>
        <translation>TYPE</translation>
    </message>
    <message>
        <source>RANGE</source>
        <translation>RANGE</translation>
    </message>
    <message>
        <source>UNIT</source>
        <translation>UNIT</translation>
    </message>
    <message>
        <source>USER UNIT</source>
        <translation>USER UNIT</translation>
    </message>
    <message>
        <source>CH. NAME</source>
        <translation>CH. NAME</translation>
    </message>
    <message>
        <source>Disable Character.</source>
        <comment>a channel name</comment>
        <translation>Character not allowed: a channel name takes only letters, digits and the signs , . + - * / ( ) [ ] &lt; &gt; ~ &amp; @ | = # ! ? &apos; ^ \ : ; $ % (no spaces).</translation>
    </message>
    <message>
        <source>(10 characters: letters, digits, signs; no space)</source>
        <translation>(10 characters: letters, digits, signs; no space)</translation>
    </message>
    <message>
        <source>RJC</source>
        <translation>RJC</translation>
    </message>
    <message>
        <source>DIRECT INPUT (°C)</source>
        <translation>DIRECT INPUT (°C)</translation>
    </message>
    <message>
        <source>RJC TYPE (Only T/C)</source>
        <translation>RJC TYPE (T/C only)</translation>
    </message>
    <message>
        <source>SCALE</source>
        <translation>SCALE</translation>
    </message>
    <message>
        <source>DECIMAL POINT</source>
        <translation>DECIMAL POINT</translation>
    </message>
    <message>
        <source>HIGH</source>
        <translation>HIGH</translation>
    </message>
    <message>
        <source>LOW</source>
        <translation>LOW</translation>
    </message>
    <message>
        <source>USER RANGE</source>
        <translation>USER RANGE</translation>
    </message>
    <message>
        <source>MAX</source>
        <translation>MAX</translation>
    </message>
    <message>
        <source>The input type&apos;s whole range</source>
        <translation>The input type&apos;s whole range</translation>
    </message>
    <message>
        <source>SCALE RANGE</source>
        <translation>SCALE RANGE</translation>
    </message>
    <message>
        <source>READ METHOD</source>
        <translation>READ METHOD</translation>
    </message>
    <message>
        <source>READ TIME (sec)</source>
        <translation>READ TIME (sec)</translation>
    </message>
    <message>
        <source>INPUT ADJUSTMENT</source>
        <translation>INPUT ADJUSTMENT</translation>
    </message>
    <message>
        <source>MATH.</source>
        <translation>MATH.</translation>
    </message>
    <message>
        <source>MATH. TYPE</source>
        <translation>MATH. TYPE</translation>
    </message>
    <message>
        <source>α CH.</source>
        <translation>α CH.</translation>
    </message>
    <message>
        <source>채널 입력</source>
        <translation>Channel input</translation>
    </message>
    <message>
        <source>상수 입력</source>
        <translation>Constant input</translation>
    </message>
    <message>
        <source>β CH.</source>
        <translation>β CH.</translation>
    </message>
    <message>
        <source>β CONST</source>
        <translation>β CONST</translation>
    </message>
    <message>
        <source>FORMULA</source>
        <translation>FORMULA</translation>
    </message>
    <message>
        <source>CH MATH.</source>
        <translation>CH MATH.</translation>
    </message>
    <message>
        <source>M AREA</source>
        <translation>M AREA</translation>
    </message>
</context>
<context>
    <name>frmTD_P_Display</name>
    <message>
        <source>DISPLAY SETUP</source>
        <translation>DISPLAY SETUP</translation>
    </message>
    <message>
        <source>DISPLAY MODE</source>
        <translation>DISPLAY MODE</translation>
    </message>
    <message>
        <source>SCREEN</source>
        <translation>SCREEN</translation>
    </message>
    <message>
        <source>BULER</source>
        <translation>RULER</translation>
    </message>
    <message>
        <source>TEXTBAR</source>
        <translation>TEXTBAR</translation>
    </message>
    <message>
        <source>AL.MARK</source>
        <translation>AL.MARK</translation>
    </message>
    <message>
        <source>SCROLL SPEED</source>
        <translation>SCROLL SPEED</translation>
    </message>
    <message>
        <source>WINDOW NUMBER</source>
        <translation>WINDOW NUMBER</translation>
    </message>
    <message>
        <source>TREND DIRECTION</source>
        <translation>TREND DIRECTION</translation>
    </message>
    <message>
        <source>READ FROM</source>
        <translation>READ FROM</translation>
    </message>
    <message>
        <source>FILE LIST</source>
        <translation>FILE LIST</translation>
    </message>
    <message>
        <source>LOAD FILE</source>
        <translation>LOAD FILE</translation>
    </message>
    <message>
        <source>BAR GRAPH has no settings of its own on this page: the scroll speed belongs to the trends, the window number to the text view, the trend direction and source to the history view.</source>
        <translation>BAR GRAPH has no settings of its own on this page: the scroll speed belongs to the trends, the window number to the text view, the trend direction and source to the history view.</translation>
    </message>
</context>
<context>
    <name>frmTD_P_Main</name>
    <message>
        <source>RECORD/DISPLAY Setup</source>
        <translation>RECORD/DISPLAY SETUP</translation>
    </message>
    <message>
        <source>SD 기록 및 표시채널 설정</source>
        <translation>RECORD/DISPLAY SETUP</translation>
    </message>
    <message>
        <source>SD 기록</source>
        <translation>RECORD TO SD CARD</translation>
    </message>
    <message>
        <source>RECORD TO SD CARD</source>
        <translation>RECORD TO SD CARD</translation>
    </message>
    <message>
        <source>중지</source>
        <translation>OFF</translation>
    </message>
    <message>
        <source>시작</source>
        <translation>ON</translation>
    </message>
    <message>
        <source>닫기[&amp;C]</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>DISPLAY GROUP</source>
        <translation>DISPLAY GROUP</translation>
    </message>
    <message>
        <source>A group shows at most %1 channels.</source>
        <translation>A group shows at most %1 channels.</translation>
    </message>
    <message>
        <source>표시채널</source>
        <translation>DISPLAY CHANNELS</translation>
    </message>
    <message>
        <source>DISPLAY CHANNELS</source>
        <translation>DISPLAY CHANNELS</translation>
    </message>
</context>
<context>
    <name>frmTD_P_System</name>
    <message>
        <source>Colour %1 in this program&apos;s monitors</source>
        <translation>Colour %1 in this program&apos;s monitors</translation>
    </message>
    <message>
        <source>SYSTEM SETUP</source>
        <translation>SYSTEM SETUP</translation>
    </message>
    <message>
        <source>RECORD</source>
        <translation>RECORD</translation>
    </message>
    <message>
        <source>COLOR</source>
        <translation>COLOR</translation>
    </message>
    <message>
        <source>DATE/TIME</source>
        <translation>DATE/TIME</translation>
    </message>
    <message>
        <source>LANGUAGE/FILE</source>
        <translation>LANGUAGE/FILE</translation>
    </message>
    <message>
        <source>SAVE INTERVAL</source>
        <translation>SAVE INTERVAL</translation>
    </message>
    <message>
        <source>POWER FAIL RESUME</source>
        <translation>POWER FAIL RESUME</translation>
    </message>
    <message>
        <source>BEEP</source>
        <translation>BEEP</translation>
    </message>
    <message>
        <source>SCREEN SAVER</source>
        <translation>SCREEN SAVER</translation>
    </message>
    <message>
        <source>REC. WITH BUFFER</source>
        <translation>REC. WITH BUFFER</translation>
    </message>
    <message>
        <source>PASSWORD</source>
        <translation>PASSWORD</translation>
    </message>
    <message>
        <source>BACKGROUND</source>
        <translation>BACKGROUND</translation>
    </message>
    <message>
        <source>CHANNEL COLOR</source>
        <translation>CHANNEL COLOR</translation>
    </message>
    <message>
        <source>These are the colours of the recorder&apos;s own screen. This program&apos;s monitors and graph viewer draw each colour number in a colour of their own, shown in the row PC and beside each channel.</source>
        <translation>These are the colours of the recorder&apos;s own screen. This program&apos;s monitors and graph viewer draw each colour number in a colour of their own, shown in the row PC and beside each channel.</translation>
    </message>
    <message>
        <source>The colour this program&apos;s monitors use</source>
        <translation>The colour this program&apos;s monitors use</translation>
    </message>
    <message>
        <source>CH.%1: colour %2 on the recorder</source>
        <translation>CH.%1: colour %2 on the recorder</translation>
    </message>
    <message>
        <source>RESERVE RUN</source>
        <translation>RESERVE RUN</translation>
    </message>
    <message>
        <source>YEAR</source>
        <translation>YEAR</translation>
    </message>
    <message>
        <source>MONTH</source>
        <translation>MONTH</translation>
    </message>
    <message>
        <source>DAY</source>
        <translation>DAY</translation>
    </message>
    <message>
        <source>HOUR</source>
        <translation>HOUR</translation>
    </message>
    <message>
        <source>MIN.</source>
        <translation>MIN.</translation>
    </message>
    <message>
        <source>SEC.</source>
        <translation>SEC.</translation>
    </message>
    <message>
        <source>RESERVE DATE</source>
        <translation>RESERVE DATE</translation>
    </message>
    <message>
        <source>SYSTEM DATE</source>
        <translation>SYSTEM DATE</translation>
    </message>
    <message>
        <source>The reserved start is set in the DATE/TIME window.</source>
        <translation>The reserved start is set in the DATE/TIME window.</translation>
    </message>
    <message>
        <source>PC TIME</source>
        <translation>PC TIME</translation>
    </message>
    <message>
        <source>Puts the PC&apos;s date and time into the system date boxes</source>
        <translation>Puts the PC&apos;s date and time into the system date boxes</translation>
    </message>
    <message>
        <source>SET</source>
        <translation>SET</translation>
    </message>
    <message>
        <source>PC DATE/TIME</source>
        <translation>PC DATE/TIME</translation>
    </message>
    <message>
        <source>SERIAL RS232C SETTING</source>
        <translation>SERIAL RS232C SETTING</translation>
    </message>
    <message>
        <source>SERIAL RS422/485 SETTING</source>
        <translation>SERIAL RS422/485 SETTING</translation>
    </message>
    <message>
        <source>MACHINE ADDRESS</source>
        <translation>MACHINE ADDRESS</translation>
    </message>
    <message>
        <source>PROTOCOL</source>
        <translation>PROTOCOL</translation>
    </message>
    <message>
        <source>BAUD RATE</source>
        <translation>BAUD RATE</translation>
    </message>
    <message>
        <source>PARITY</source>
        <translation>PARITY</translation>
    </message>
    <message>
        <source>DATA LENGTH</source>
        <translation>DATA LENGTH</translation>
    </message>
    <message>
        <source>STOP BIT</source>
        <translation>STOP BIT</translation>
    </message>
    <message>
        <source>RESP.TIME (ms)</source>
        <translation>RESP.TIME (ms)</translation>
    </message>
    <message>
        <source>LANGUAGE</source>
        <translation>LANGUAGE</translation>
    </message>
    <message>
        <source>SAVE FILE NAME</source>
        <translation>SAVE FILE NAME</translation>
    </message>
    <message>
        <source>PARAMETERS LOAD/SAVE</source>
        <translation>PARAMETERS LOAD/SAVE</translation>
    </message>
    <message>
        <source>LOAD CFG. FILE</source>
        <translation>LOAD CFG. FILE</translation>
    </message>
    <message>
        <source>SAVE CFG. FILE</source>
        <translation>SAVE CFG. FILE</translation>
    </message>
    <message>
        <source>Disable Character.</source>
        <comment>the SD card file name</comment>
        <translation>Character not allowed: the file name takes only letters, digits and ( ) + - * / % , . [ ] $</translation>
    </message>
    <message>
        <source>CH.%1 in this program&apos;s monitors</source>
        <translation>CH.%1 in this program&apos;s monitors</translation>
    </message>
</context>
<context>
    <name>frmTD_Parameter</name>
    <message>
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Save As</translation>
    </message>
    <message>
        <source>TD700 Config Files(*.CFG *.cfg)</source>
        <translation>TD700 Config Files (*.CFG *.cfg)</translation>
    </message>
    <message>
        <source>TD700 Config Text(*.txt)</source>
        <translation>TD700 Config Text (*.txt)</translation>
    </message>
    <message>
        <source>Parameter Setup</source>
        <translation>Parameter Setup</translation>
    </message>
    <message>
        <source>MATH. FUNCTION (M AREA)</source>
        <translation>MATH. FUNCTION (M AREA)</translation>
    </message>
    <message>
        <source>MATH. FUNCTION (CH MATH. TYPE)</source>
        <translation>MATH. FUNCTION (CH MATH. TYPE)</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Open</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Save &amp;As</source>
        <translation>Save &amp;As</translation>
    </message>
    <message>
        <source>&amp;Upload (TD700 =&gt; PC)</source>
        <translation>&amp;Upload (TD700 =&gt; PC)</translation>
    </message>
    <message>
        <source>&amp;Download (PC =&gt; TD700)</source>
        <translation>&amp;Download (PC =&gt; TD700)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>File Name</translation>
    </message>
    <message>
        <source>Upload/Download</source>
        <translation>Upload/Download</translation>
    </message>
    <message>
        <source>the port was closed</source>
        <translation>the port was closed</translation>
    </message>
    <message>
        <source>meter [%1] stopped answering</source>
        <translation>meter [%1] stopped answering</translation>
    </message>
    <message>
        <source>%1 channels, firmware %2</source>
        <translation>%1 channels, firmware %2</translation>
    </message>
    <message>
        <source>, from meter [%1]</source>
        <translation>, from meter [%1]</translation>
    </message>
    <message>
        <source>, from the file</source>
        <translation>, from the file</translation>
    </message>
    <message>
        <source>, new set</source>
        <translation>, new set</translation>
    </message>
    <message>
        <source> - 1 value changed (marked)</source>
        <translation> - 1 value changed (marked)</translation>
    </message>
    <message>
        <source> - %1 values changed (marked)</source>
        <translation> - %1 values changed (marked)</translation>
    </message>
    <message>
        <source>, not saved</source>
        <translation>, not saved</translation>
    </message>
    <message>
        <source>Reading the settings of meter [%1] ... the tables are filled when the read completes.</source>
        <translation>Reading the settings of meter [%1] ... the tables are filled when the read completes.</translation>
    </message>
    <message>
        <source>common settings</source>
        <translation>common settings</translation>
    </message>
    <message>
        <source>The settings of meter [%1] were not read completely (missing: %2). The tables do not show them.</source>
        <translation>The settings of meter [%1] were not read completely (missing: %2). The tables do not show them.</translation>
    </message>
    <message>
        <source> Upload them when the meter answers again.</source>
        <translation> Upload them when the meter answers again.</translation>
    </message>
    <message>
        <source> Upload to read them again.</source>
        <translation> Upload to read them again.</translation>
    </message>
    <message>
        <source>

Upload them again now?</source>
        <translation>

Upload them again now?</translation>
    </message>
    <message>
        <source>The parameter set has changes that are not saved.
%1 anyway and lose them?</source>
        <translation>The parameter set has changes that are not saved.
%1 anyway and lose them?</translation>
    </message>
    <message>
        <source>Start a new set</source>
        <translation>Start a new set</translation>
    </message>
    <message>
        <source>Open another file</source>
        <translation>Open another file</translation>
    </message>
    <message>
        <source>Not opened: %1 The tables are unchanged.</source>
        <translation>Not opened: %1 The tables are unchanged.</translation>
    </message>
    <message>
        <source>Not saved: %1 The file on disk is unchanged.</source>
        <translation>Not saved: %1 The file on disk is unchanged.</translation>
    </message>
    <message>
        <source>Saved %1 (%2 bytes).</source>
        <translation>Saved %1 (%2 bytes).</translation>
    </message>
    <message>
        <source>Upload from meter [%1]</source>
        <translation>Upload from meter [%1]</translation>
    </message>
    <message>
        <source>The upload could not start: meter [%1] is not ready.</source>
        <translation>The upload could not start: meter [%1] is not ready.</translation>
    </message>
    <message>
        <source>Parameter Uploading(TD700==&gt;PC) ...</source>
        <translation>Uploading parameters (TD700 =&gt; PC) ...</translation>
    </message>
    <message>
        <source>The download could not start: meter [%1] is not ready.</source>
        <translation>The download could not start: meter [%1] is not ready.</translation>
    </message>
    <message>
        <source>Parameter Downloading(PC==&gt;TD700) ...</source>
        <translation>Downloading parameters (PC =&gt; TD700) ...</translation>
    </message>
    <message>
        <source>the file %1</source>
        <translation>the file %1</translation>
    </message>
    <message>
        <source>the set uploaded from meter [%1]</source>
        <translation>the set uploaded from meter [%1]</translation>
    </message>
    <message>
        <source>the new set</source>
        <translation>the new set</translation>
    </message>
    <message>
        <source>, with the changes made here</source>
        <translation>, with the changes made here</translation>
    </message>
    <message>
        <source>Write %1 (%2 channels, firmware %3) to meter [%4] (%5 channels, firmware %6) on %7?

This replaces the meter&apos;s settings.</source>
        <translation>Write %1 (%2 channels, firmware %3) to meter [%4] (%5 channels, firmware %6) on %7?

This replaces the meter&apos;s settings.</translation>
    </message>
    <message>
        <source>

The set is not for this meter&apos;s model and firmware.</source>
        <translation>

The set is not for this meter&apos;s model and firmware.</translation>
    </message>
    <message>
        <source>The upload did not complete: %1. The tables are unchanged.</source>
        <translation>The upload did not complete: %1. The tables are unchanged.</translation>
    </message>
    <message>
        <source>The download did not complete: %1. The meter may hold part of the new settings; download again.</source>
        <translation>The download did not complete: %1. The meter may hold part of the new settings; download again.</translation>
    </message>
    <message>
        <source>The upload from meter [%1] is still running.
Stop it and close?</source>
        <translation>The upload from meter [%1] is still running.
Stop it and close?</translation>
    </message>
    <message>
        <source>The download to meter [%1] is still running; stopping it leaves the meter with part of the new settings.
Stop it and close?</source>
        <translation>The download to meter [%1] is still running; stopping it leaves the meter with part of the new settings.
Stop it and close?</translation>
    </message>
    <message>
        <source>Close the window</source>
        <translation>Close the window</translation>
    </message>
</context>
</TS>
