<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
<context>
    <name>AlarmRules</name>
    <message>
        <source>UP RATE</source>
        <translation>상승률</translation>
    </message>
    <message>
        <source>DOWN RATE</source>
        <translation>하강률</translation>
    </message>
</context>
<context>
    <name>AlarmTypePictures</name>
    <message>
        <source>TYPE %1</source>
        <translation>종류 %1</translation>
    </message>
    <message>
        <source>SV</source>
        <translation>설정값</translation>
    </message>
    <message>
        <source>HYS.</source>
        <translation>히스테리시스</translation>
    </message>
    <message>
        <source>WITH CH.</source>
        <translation>비교 채널</translation>
    </message>
    <message>
        <source>ERROR VALUE</source>
        <translation>편차값</translation>
    </message>
    <message>
        <source>TIME</source>
        <translation>시간</translation>
    </message>
    <message>
        <source>RATE</source>
        <translation>변화율</translation>
    </message>
    <message>
        <source>OPEN</source>
        <translation>단선</translation>
    </message>
    <message>
        <source>RECORD / RELAY</source>
        <translation>기록 / 릴레이</translation>
    </message>
    <message>
        <source>SET VALUE</source>
        <translation>설정값</translation>
    </message>
    <message>
        <source>BURNOUT</source>
        <translation>단선</translation>
    </message>
</context>
<context>
    <name>DisplayGroups</name>
    <message>
        <source>channel %1</source>
        <translation>채널 %1</translation>
    </message>
    <message>
        <source>%1 holds %2 channels already, the most a group can hold. Take a channel out of %1 before %3 can join it.</source>
        <translation>%1에는 이미 한 그룹의 최대인 %2개 채널이 있습니다. %3을(를) 넣으려면 먼저 %1에서 채널 하나를 빼십시오.</translation>
    </message>
    <message>
        <source>Channels join or leave a group while GROUP 1 or GROUP 2 is shown. Step to the group with the arrows, then click %1.</source>
        <translation>채널은 GROUP 1 또는 GROUP 2가 표시된 동안에만 그룹에 넣거나 뺄 수 있습니다. 화살표로 그룹을 고른 뒤 %1을(를) 누르십시오.</translation>
    </message>
</context>
<context>
    <name>EntryRules</name>
    <message>
        <source>The value</source>
        <translation>값</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a number. The value stays as it was.</source>
        <translation>%1: &quot;%2&quot;은(는) 숫자가 아닙니다. 값은 바뀌지 않습니다.</translation>
    </message>
    <message>
        <source>%1 is at least %2 (%3 for none): %4 became %3.</source>
        <translation>%1의 최소값은 %2입니다(없음은 %3). %4은(는) %3(으)로 바뀌었습니다.</translation>
    </message>
    <message>
        <source>%1 takes %2 to %3: %4 was not taken. The value stays as it was.</source>
        <translation>%1의 범위는 %2 ~ %3입니다. %4은(는) 받아들이지 않았으며 값은 바뀌지 않습니다.</translation>
    </message>
    <message>
        <source>%1 is at least %2: %3 became %2.</source>
        <translation>%1의 최소값은 %2입니다. %3은(는) %2(으)로 바뀌었습니다.</translation>
    </message>
    <message>
        <source>%1 is at most %2: %3 became %2.</source>
        <translation>%1의 최대값은 %2입니다. %3은(는) %2(으)로 바뀌었습니다.</translation>
    </message>
    <message>
        <source>a whole number</source>
        <translation>정수</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>숫자</translation>
    </message>
    <message>
        <source>takes %1 from %2 to %3</source>
        <translation>%2 ~ %3 범위의 %1만 가능</translation>
    </message>
    <message>
        <source>%1 holds at most %2 characters: &quot;%3&quot; is kept.</source>
        <translation>%1은(는) 최대 %2자입니다. &quot;%3&quot;(으)로 저장했습니다.</translation>
    </message>
</context>
<context>
    <name>FormulaView</name>
    <message>
        <source>Click to enter the formula</source>
        <translation>클릭하여 수식 입력</translation>
    </message>
</context>
<context>
    <name>PageFactory</name>
    <message>
        <source>The home page (recording and displayed channels)</source>
        <translation>기본 페이지(기록 및 표시 채널)</translation>
    </message>
    <message>
        <source>The display page</source>
        <translation>표시 페이지</translation>
    </message>
    <message>
        <source>The system page</source>
        <translation>시스템 페이지</translation>
    </message>
    <message>
        <source>The alarm and digital input page</source>
        <translation>경보 및 디지털 입력 페이지</translation>
    </message>
    <message>
        <source>The channel page</source>
        <translation>채널 페이지</translation>
    </message>
    <message>
        <source>%1 (%2) comes in a later version of the program. The value can still be uploaded, saved and downloaded.</source>
        <translation>%1(%2)은(는) 이후 버전의 프로그램에서 제공됩니다. 값은 지금도 업로드, 저장, 다운로드할 수 있습니다.</translation>
    </message>
</context>
<context>
    <name>ParamFile</name>
    <message>
        <source>%1 is empty, not a parameter file.</source>
        <translation>%1은(는) 빈 파일이며 파라미터 파일이 아닙니다.</translation>
    </message>
    <message>
        <source>%1 is a data file (TD700 LOG DATA), not a parameter file.</source>
        <translation>%1은(는) 데이터 파일(TD700 LOG DATA)이며 파라미터 파일이 아닙니다.</translation>
    </message>
    <message>
        <source>%1 is not a parameter file: its header holds no model and firmware version.</source>
        <translation>%1은(는) 파라미터 파일이 아닙니다. 헤더에 모델과 펌웨어 버전이 없습니다.</translation>
    </message>
    <message>
        <source>%1 is not a parameter file: its header names %2 (a parameter file names one of the four models and its firmware).</source>
        <translation>%1은(는) 파라미터 파일이 아닙니다. 헤더에 %2이(가) 적혀 있습니다(파라미터 파일에는 네 가지 모델 중 하나와 그 펌웨어가 적혀 있습니다).</translation>
    </message>
    <message>
        <source>firmware 0.00</source>
        <translation>펌웨어 0.00</translation>
    </message>
    <message>
        <source>model code %1, which is no model</source>
        <translation>모델 코드 %1(없는 모델)</translation>
    </message>
    <message>
        <source>%1 is too short: %2 bytes, where a parameter file of firmware %3 has %4. Nothing was loaded.</source>
        <translation>%1이(가) 너무 짧습니다: %2바이트입니다(펌웨어 %3의 파라미터 파일은 %4바이트). 아무것도 불러오지 않았습니다.</translation>
    </message>
    <message>
        <source>%1 is %2 bytes longer than a parameter file of firmware %3 (%4 bytes): the extra bytes were ignored.</source>
        <translation>%1은(는) 펌웨어 %3의 파라미터 파일(%4바이트)보다 %2바이트 깁니다. 남는 바이트는 무시했습니다.</translation>
    </message>
    <message>
        <source>Cannot open %1: %2.</source>
        <translation>%1을(를) 열 수 없습니다: %2.</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>%1을(를) 읽을 수 없습니다: %2</translation>
    </message>
    <message>
        <source>%1 was not saved: %2. A file of that name is left as it was.</source>
        <translation>%1을(를) 저장하지 못했습니다: %2. 같은 이름의 파일은 그대로 남아 있습니다.</translation>
    </message>
</context>
<context>
    <name>ParamPage</name>
    <message>
        <source>&amp;Close</source>
        <translation>닫기(&amp;C)</translation>
    </message>
</context>
<context>
    <name>ParamSetFiles</name>
    <message>
        <source>Cannot open %1: %2.</source>
        <translation>%1을(를) 열 수 없습니다: %2.</translation>
    </message>
    <message>
        <source>%1 is %2 bytes long, far more than a parameter set as text</source>
        <translation>%1은(는) %2바이트로, 텍스트 파라미터 세트라기에는 너무 큽니다</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>%1을(를) 읽을 수 없습니다: %2</translation>
    </message>
    <message>
        <source>%1 is a parameter set as text with faults; nothing was read:
</source>
        <translation>%1은(는) 오류가 있는 텍스트 파라미터 세트입니다. 아무것도 읽지 않았습니다:
</translation>
    </message>
    <message>
        <source>%1 was not saved: %2. A file of that name is left as it was.</source>
        <translation>%1을(를) 저장하지 못했습니다: %2. 같은 이름의 파일은 그대로 남아 있습니다.</translation>
    </message>
</context>
<context>
    <name>ParamTables</name>
    <message>
        <source>DESCRIPTION</source>
        <translation>항목</translation>
    </message>
    <message>
        <source>VALUE</source>
        <translation>값</translation>
    </message>
</context>
<context>
    <name>ParamTextForm</name>
    <message>
        <source>takes a whole number from %1 to %2</source>
        <translation>%1 ~ %2의 정수만 가능</translation>
    </message>
    <message>
        <source>takes a number</source>
        <translation>숫자만 가능</translation>
    </message>
    <message>
        <source>holds characters that a recorder cannot keep</source>
        <translation>기록계가 저장할 수 없는 문자가 있음</translation>
    </message>
    <message>
        <source>is %1 bytes long; the row holds %2</source>
        <translation>길이가 %1바이트임(이 항목은 %2바이트)</translation>
    </message>
    <message>
        <source>has no place in a parameter set</source>
        <translation>파라미터 세트에 들어갈 자리가 없음</translation>
    </message>
    <message>
        <source>@ wants a whole number of %1 bits</source>
        <translation>@ 뒤에는 %1비트 정수가 와야 함</translation>
    </message>
    <message>
        <source>@ wants a number, or 0x and eight hex digits</source>
        <translation>@ 뒤에는 숫자, 또는 0x와 16진수 8자리가 와야 함</translation>
    </message>
    <message>
        <source>@ wants the row&apos;s %1 bytes in hex</source>
        <translation>@ 뒤에는 이 항목의 %1바이트가 16진수로 와야 함</translation>
    </message>
    <message>
        <source>the row has no stored value</source>
        <translation>이 항목에는 저장된 값이 없음</translation>
    </message>
    <message>
        <source>is longer than the %1 characters a formula holds</source>
        <translation>수식의 최대 길이 %1자를 넘음</translation>
    </message>
    <message>
        <source>@ wants the formula&apos;s %1 bytes in hex</source>
        <translation>@ 뒤에는 수식의 %1바이트가 16진수로 와야 함</translation>
    </message>
</context>
<context>
    <name>ParamTextImport</name>
    <message>
        <source>%1 is not UTF-8 text</source>
        <translation>%1은(는) UTF-8 텍스트가 아닙니다</translation>
    </message>
    <message>
        <source>%1: and %2 more</source>
        <translation>%1: 외 %2건</translation>
    </message>
    <message>
        <source>%1 line %2: %3</source>
        <translation>%1 %2행: %3</translation>
    </message>
    <message>
        <source>unknown section [%1]</source>
        <translation>알 수 없는 구역 [%1]</translation>
    </message>
    <message>
        <source>section [%1] is given twice (first on line %2)</source>
        <translation>구역 [%1]이(가) 두 번 있음(처음은 %2행)</translation>
    </message>
    <message>
        <source>%1 comes before any section</source>
        <translation>%1이(가) 어느 구역보다도 앞에 있음</translation>
    </message>
    <message>
        <source>%1 is given twice in [%2] (first on line %3)</source>
        <translation>[%2]에 %1이(가) 두 번 있음(처음은 %3행)</translation>
    </message>
    <message>
        <source>[file] takes no @</source>
        <translation>[file]에는 @를 쓸 수 없음</translation>
    </message>
    <message>
        <source>CHANNELS = %1: takes 2, 4, 6 or 12</source>
        <translation>CHANNELS = %1: 2, 4, 6, 12 중 하나여야 함</translation>
    </message>
    <message>
        <source>FIRMWARE = %1: takes a version such as 1.20</source>
        <translation>FIRMWARE = %1: 1.20과 같은 버전이어야 함</translation>
    </message>
    <message>
        <source>unknown key %1 in [file] (CHANNELS, FIRMWARE)</source>
        <translation>[file]의 알 수 없는 키 %1 (CHANNELS, FIRMWARE만 가능)</translation>
    </message>
    <message>
        <source>[file] says %1 channels, the base set has %2</source>
        <translation>[file]에는 %1채널로 되어 있으나 기준 세트는 %2채널임</translation>
    </message>
    <message>
        <source>[file] says firmware %1, the base set is %2</source>
        <translation>[file]에는 펌웨어 %1(으)로 되어 있으나 기준 세트는 %2임</translation>
    </message>
    <message>
        <source>[file] must give CHANNELS and FIRMWARE (or give a base set the text changes)</source>
        <translation>[file]에 CHANNELS와 FIRMWARE가 있어야 함(또는 텍스트가 고칠 기준 세트를 지정)</translation>
    </message>
    <message>
        <source>the set has %1 channels: there is no [%2]</source>
        <translation>이 세트는 %1채널이므로 [%2]이(가) 없음</translation>
    </message>
    <message>
        <source>a set of firmware %1 keeps no formulas in its file</source>
        <translation>펌웨어 %1의 세트는 파일에 수식을 저장하지 않음</translation>
    </message>
    <message>
        <source>%1 is the meter&apos;s clock; a parameter set has no place for it</source>
        <translation>%1은(는) 기록계의 시계이며 파라미터 세트에 넣을 수 없음</translation>
    </message>
    <message>
        <source>%1 has no place in a set of firmware %2</source>
        <translation>%1은(는) 펌웨어 %2의 세트에 없는 항목임</translation>
    </message>
    <message>
        <source>%1 is a channel row: give it under [CH01] .. [CH%2]</source>
        <translation>%1은(는) 채널 항목이므로 [CH01] .. [CH%2] 아래에 써야 함</translation>
    </message>
    <message>
        <source>%1 is a common row: give it under [common]</source>
        <translation>%1은(는) 공통 항목이므로 [common] 아래에 써야 함</translation>
    </message>
    <message>
        <source>unknown key %1 in [%2]</source>
        <translation>[%2]의 알 수 없는 키 %1</translation>
    </message>
    <message>
        <source>@ %1 shows as %2, not as the text</source>
        <translation>@ %1은(는) 적힌 텍스트가 아니라 %2(으)로 표시됨</translation>
    </message>
    <message>
        <source>unknown key %1 in [formulas] (CH01 .. CH06, MEM01 .. MEM06)</source>
        <translation>[formulas]의 알 수 없는 키 %1 (CH01 .. CH06, MEM01 .. MEM06만 가능)</translation>
    </message>
    <message>
        <source>the set has %1 channels: there is no %2</source>
        <translation>이 세트는 %1채널이므로 %2이(가) 없음</translation>
    </message>
    <message>
        <source>%1: a parameter file keeps the formulas of channels 1 to 6 only; a download leaves a meter&apos;s others as they are</source>
        <translation>%1: 파라미터 파일은 채널 1~6의 수식만 저장하며, 다운로드해도 기록계의 나머지 수식은 그대로임</translation>
    </message>
    <message>
        <source>@ shows as %1, not as the text</source>
        <translation>@은(는) 적힌 텍스트가 아니라 %1(으)로 표시됨</translation>
    </message>
    <message>
        <source>a reserved line is written OFFSET = hex bytes</source>
        <translation>예약 영역 줄은 OFFSET = 16진수 바이트 형식으로 씀</translation>
    </message>
    <message>
        <source>offset %1 and %2 bytes go past the %3 bytes of the file</source>
        <translation>오프셋 %1부터 %2바이트는 파일 크기 %3바이트를 넘음</translation>
    </message>
    <message>
        <source>byte %1 belongs to a row; give the row instead</source>
        <translation>바이트 %1은(는) 항목에 속하므로 그 항목으로 써야 함</translation>
    </message>
    <message>
        <source>byte %1 is given twice</source>
        <translation>바이트 %1이(가) 두 번 있음</translation>
    </message>
    <message>
        <source> (a text without a base set gives every row)</source>
        <translation> (기준 세트가 없는 텍스트에는 모든 항목이 있어야 함)</translation>
    </message>
    <message>
        <source>[%1] is not given</source>
        <translation>[%1]이(가) 없음</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>외 %1개</translation>
    </message>
    <message>
        <source>[%1] lacks %2</source>
        <translation>[%1]에 %2이(가) 없음</translation>
    </message>
    <message>
        <source>%1 would hold %2 channels; a group holds at most %3</source>
        <translation>%1에 %2개 채널이 들어가게 됨(그룹당 최대 %3개)</translation>
    </message>
</context>
<context>
    <name>ParamTextSyntax</name>
    <message>
        <source>\x wants two hex digits</source>
        <translation>\x 뒤에는 16진수 2자리가 와야 함</translation>
    </message>
    <message>
        <source>unknown escape \%1 in a quoted text (\&quot; \\ \xHH)</source>
        <translation>따옴표 텍스트 안의 알 수 없는 이스케이프 \%1 (\&quot; \\ \xHH만 가능)</translation>
    </message>
    <message>
        <source>the quoted text has no closing quote</source>
        <translation>따옴표 텍스트에 닫는 따옴표가 없음</translation>
    </message>
    <message>
        <source>a section is written [name]</source>
        <translation>구역은 [이름] 형식으로 씀</translation>
    </message>
    <message>
        <source>a row is written KEY = text</source>
        <translation>항목은 KEY = 텍스트 형식으로 씀</translation>
    </message>
    <message>
        <source>&apos;%1&apos; after the quoted text</source>
        <translation>따옴표 텍스트 뒤에 &apos;%1&apos;이(가) 있음</translation>
    </message>
</context>
<context>
    <name>RowRules</name>
    <message>
        <source>Disable Character.</source>
        <comment>after what a row takes</comment>
        <translation>허용되지 않는 문자</translation>
    </message>
    <message>
        <source>takes at most %1 characters</source>
        <translation>최대 %1자까지 가능</translation>
    </message>
    <message>
        <source>takes no &apos;%1&apos; (%2)</source>
        <translation>&apos;%1&apos;은(는) 쓸 수 없음 (%2)</translation>
    </message>
    <message>
        <source>takes what the clock window sets (%1 would become %2)</source>
        <translation>시계 창에서 설정하는 값만 가능(%1은(는) %2(으)로 바뀜)</translation>
    </message>
    <message>
        <source>takes up to %1 letters, digits and ( ) + - * / % , . [ ] $ (%2)</source>
        <translation>영문자, 숫자와 ( ) + - * / % , . [ ] $ 로 최대 %1자까지 가능 (%2)</translation>
    </message>
    <message>
        <source>takes the code of an input type (1 to 8, 10 to 14, 16 to 19)</source>
        <translation>입력 종류 코드만 가능(1~8, 10~14, 16~19)</translation>
    </message>
    <message>
        <source>takes one of %1</source>
        <translation>%1 중 하나만 가능</translation>
    </message>
    <message>
        <source>takes capital letters but E, J, K, Y and Z, digits, spaces and ( ) + - * / ^ % , : . (%1)</source>
        <translation>E, J, K, Y, Z를 뺀 영문 대문자, 숫자, 공백과 ( ) + - * / ^ % , : . 만 가능 (%1)</translation>
    </message>
</context>
<context>
    <name>frmInputKey</name>
    <message>
        <source>Input</source>
        <translation>입력</translation>
    </message>
    <message>
        <source>Letters A-D, F-I, L-X, digits, space and ( ) + - * / ^ % , : . (at most %1 characters)</source>
        <translation>영문자 A-D, F-I, L-X, 숫자, 공백과 ( ) + - * / ^ % , : . (최대 %1자)</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>확인(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>취소(&amp;C)</translation>
    </message>
    <message>
        <source>Disable Character.</source>
        <comment>a formula</comment>
        <translation>허용되지 않는 문자입니다. 수식에는 영문자 A-D, F-I, L-X, 숫자, 공백과 ( ) + - * / ^ % , : . 만 쓸 수 있습니다.</translation>
    </message>
</context>
<context>
    <name>frmTD_P_ARM_DI</name>
    <message>
        <source>ALARM/DI SETUP</source>
        <translation>경보/DI 설정</translation>
    </message>
    <message>
        <source>ALARM</source>
        <translation>경보</translation>
    </message>
    <message>
        <source>CH.NO</source>
        <translation>채널 번호</translation>
    </message>
    <message>
        <source>TYPE</source>
        <translation>종류</translation>
    </message>
    <message>
        <source>SET VALUE</source>
        <translation>설정값</translation>
    </message>
    <message>
        <source>HYS.</source>
        <translation>히스테리시스</translation>
    </message>
    <message>
        <source>WITH CH.</source>
        <translation>비교 채널</translation>
    </message>
    <message>
        <source>ERROR VALUE</source>
        <translation>편차값</translation>
    </message>
    <message>
        <source>UP RATE</source>
        <translation>상승률</translation>
    </message>
    <message>
        <source>USER-RANGE BURNOUT or OPEN</source>
        <translation>사용자 범위 초과(번아웃) 또는 단선</translation>
    </message>
    <message>
        <source>RECORD</source>
        <translation>기록</translation>
    </message>
    <message>
        <source>OUTPUT</source>
        <translation>출력</translation>
    </message>
    <message>
        <source>RELAY NO.</source>
        <translation>릴레이 번호</translation>
    </message>
    <message>
        <source>ON-TIME</source>
        <translation>동작 시간</translation>
    </message>
    <message>
        <source>D/I</source>
        <translation>디지털 입력(D/I)</translation>
    </message>
    <message>
        <source>D/I NO.</source>
        <translation>D/I 번호</translation>
    </message>
    <message>
        <source>D/I LEVEL</source>
        <translation>D/I 레벨</translation>
    </message>
    <message>
        <source>HYSTERESIS</source>
        <translation>히스테리시스</translation>
    </message>
    <message>
        <source>RATE</source>
        <translation>변화율</translation>
    </message>
</context>
<context>
    <name>frmTD_P_Channel</name>
    <message>
        <source>USER RANGE HIGH</source>
        <translation>사용자 범위 상한</translation>
    </message>
    <message>
        <source>USER RANGE LOW</source>
        <translation>사용자 범위 하한</translation>
    </message>
    <message>
        <source>SCALE RANGE HIGH</source>
        <translation>스케일 범위 상한</translation>
    </message>
    <message>
        <source>SCALE RANGE LOW</source>
        <translation>스케일 범위 하한</translation>
    </message>
    <message>
        <source>DISP. RANGE HIGH</source>
        <translation>표시 범위 상한</translation>
    </message>
    <message>
        <source>DISP. RANGE LOW</source>
        <translation>표시 범위 하한</translation>
    </message>
    <message>
        <source>OFFSET</source>
        <translation>오프셋</translation>
    </message>
    <message>
        <source>HIGH POINT</source>
        <translation>고점</translation>
    </message>
    <message>
        <source>LOW POINT</source>
        <translation>저점</translation>
    </message>
    <message>
        <source>CHANNEL SETUP</source>
        <translation>채널 설정</translation>
    </message>
    <message>
        <source>CH.NO</source>
        <translation>채널 번호</translation>
    </message>
    <message>
        <source>INPUT</source>
        <translation>입력</translation>
    </message>
    <message>
        <source>SCALING</source>
        <translation>스케일링</translation>
    </message>
    <message>
        <source>READING / ADJUST</source>
        <translation>측정 / 보정</translation>
    </message>
    <message>
        <source>MATH / FORMULA</source>
        <translation>연산 / 수식</translation>
    </message>
    <message>
        <source>DISP. RANGE</source>
        <translation>표시 범위</translation>
    </message>
    <message>
        <source>INPUT TYPE</source>
        <translation>입력 종류</translation>
    </message>
    <message>
        <source>TYPE</source>
        <translation>종류</translation>
    </message>
    <message>
        <source>RANGE</source>
        <translation>범위</translation>
    </message>
    <message>
        <source>UNIT</source>
        <translation>단위</translation>
    </message>
    <message>
        <source>USER UNIT</source>
        <translation>사용자 단위</translation>
    </message>
    <message>
        <source>CH. NAME</source>
        <translation>채널 이름</translation>
    </message>
    <message>
        <source>Disable Character.</source>
        <comment>a channel name</comment>
        <translation>허용되지 않는 문자입니다. 채널 이름에는 영문자, 숫자와 기호 , . + - * / ( ) [ ] &lt; &gt; ~ &amp; @ | = # ! ? &apos; ^ \ : ; $ % 만 쓸 수 있습니다(공백 불가).</translation>
    </message>
    <message>
        <source>(10 characters: letters, digits, signs; no space)</source>
        <translation>(10자: 영문자, 숫자, 기호, 공백 불가)</translation>
    </message>
    <message>
        <source>RJC</source>
        <translation>기준접점 보상(RJC)</translation>
    </message>
    <message>
        <source>DIRECT INPUT (°C)</source>
        <translation>직접 입력 (°C)</translation>
    </message>
    <message>
        <source>RJC TYPE (Only T/C)</source>
        <translation>RJC 종류 (T/C 전용)</translation>
    </message>
    <message>
        <source>SCALE</source>
        <translation>스케일</translation>
    </message>
    <message>
        <source>DECIMAL POINT</source>
        <translation>소수점</translation>
    </message>
    <message>
        <source>HIGH</source>
        <translation>상한</translation>
    </message>
    <message>
        <source>LOW</source>
        <translation>하한</translation>
    </message>
    <message>
        <source>USER RANGE</source>
        <translation>사용자 범위</translation>
    </message>
    <message>
        <source>MAX</source>
        <translation>최대</translation>
    </message>
    <message>
        <source>The input type&apos;s whole range</source>
        <translation>입력 종류의 전체 범위</translation>
    </message>
    <message>
        <source>SCALE RANGE</source>
        <translation>스케일 범위</translation>
    </message>
    <message>
        <source>READ METHOD</source>
        <translation>측정 방식</translation>
    </message>
    <message>
        <source>READ TIME (sec)</source>
        <translation>측정 시간 (초)</translation>
    </message>
    <message>
        <source>INPUT ADJUSTMENT</source>
        <translation>입력 보정</translation>
    </message>
    <message>
        <source>MATH.</source>
        <translation>연산</translation>
    </message>
    <message>
        <source>MATH. TYPE</source>
        <translation>연산 종류</translation>
    </message>
    <message>
        <source>α CH.</source>
        <translation>α 채널</translation>
    </message>
    <message>
        <source>채널 입력</source>
        <translation>채널 입력</translation>
    </message>
    <message>
        <source>상수 입력</source>
        <translation>상수 입력</translation>
    </message>
    <message>
        <source>β CH.</source>
        <translation>β 채널</translation>
    </message>
    <message>
        <source>β CONST</source>
        <translation>β 상수</translation>
    </message>
    <message>
        <source>FORMULA</source>
        <translation>수식</translation>
    </message>
    <message>
        <source>CH MATH.</source>
        <translation>채널 연산</translation>
    </message>
    <message>
        <source>M AREA</source>
        <translation>M 영역</translation>
    </message>
</context>
<context>
    <name>frmTD_P_Display</name>
    <message>
        <source>DISPLAY SETUP</source>
        <translation>표시 설정</translation>
    </message>
    <message>
        <source>DISPLAY MODE</source>
        <translation>표시 모드</translation>
    </message>
    <message>
        <source>SCREEN</source>
        <translation>화면</translation>
    </message>
    <message>
        <source>BULER</source>
        <translation>눈금자</translation>
    </message>
    <message>
        <source>TEXTBAR</source>
        <translation>텍스트 바</translation>
    </message>
    <message>
        <source>AL.MARK</source>
        <translation>경보 마크</translation>
    </message>
    <message>
        <source>SCROLL SPEED</source>
        <translation>스크롤 속도</translation>
    </message>
    <message>
        <source>WINDOW NUMBER</source>
        <translation>창 개수</translation>
    </message>
    <message>
        <source>TREND DIRECTION</source>
        <translation>트렌드 방향</translation>
    </message>
    <message>
        <source>READ FROM</source>
        <translation>읽을 위치</translation>
    </message>
    <message>
        <source>FILE LIST</source>
        <translation>파일 목록</translation>
    </message>
    <message>
        <source>LOAD FILE</source>
        <translation>파일 불러오기</translation>
    </message>
    <message>
        <source>BAR GRAPH has no settings of its own on this page: the scroll speed belongs to the trends, the window number to the text view, the trend direction and source to the history view.</source>
        <translation>BAR GRAPH에는 이 페이지에서 설정할 것이 없습니다. 스크롤 속도는 트렌드, 창 개수는 텍스트 보기, 트렌드 방향과 읽을 위치는 히스토리 보기의 설정입니다.</translation>
    </message>
</context>
<context>
    <name>frmTD_P_Main</name>
    <message>
        <source>RECORD/DISPLAY Setup</source>
        <translation>SD 기록 및 표시채널 설정</translation>
    </message>
    <message>
        <source>SD 기록 및 표시채널 설정</source>
        <translation>SD 기록 및 표시채널 설정</translation>
    </message>
    <message>
        <source>SD 기록</source>
        <translation>SD 기록</translation>
    </message>
    <message>
        <source>RECORD TO SD CARD</source>
        <translation>SD 기록</translation>
    </message>
    <message>
        <source>중지</source>
        <translation>중지</translation>
    </message>
    <message>
        <source>시작</source>
        <translation>시작</translation>
    </message>
    <message>
        <source>닫기[&amp;C]</source>
        <translation>닫기(&amp;C)</translation>
    </message>
    <message>
        <source>DISPLAY GROUP</source>
        <translation>표시 그룹</translation>
    </message>
    <message>
        <source>A group shows at most %1 channels.</source>
        <translation>한 그룹에는 최대 %1개 채널을 표시합니다.</translation>
    </message>
    <message>
        <source>표시채널</source>
        <translation>표시채널</translation>
    </message>
    <message>
        <source>DISPLAY CHANNELS</source>
        <translation>표시채널</translation>
    </message>
</context>
<context>
    <name>frmTD_P_System</name>
    <message>
        <source>Colour %1 in this program&apos;s monitors</source>
        <translation>이 프로그램 모니터에서의 색상 %1</translation>
    </message>
    <message>
        <source>SYSTEM SETUP</source>
        <translation>시스템 설정</translation>
    </message>
    <message>
        <source>RECORD</source>
        <translation>기록</translation>
    </message>
    <message>
        <source>COLOR</source>
        <translation>색상</translation>
    </message>
    <message>
        <source>DATE/TIME</source>
        <translation>날짜/시간</translation>
    </message>
    <message>
        <source>LANGUAGE/FILE</source>
        <translation>언어/파일</translation>
    </message>
    <message>
        <source>SAVE INTERVAL</source>
        <translation>저장 주기</translation>
    </message>
    <message>
        <source>POWER FAIL RESUME</source>
        <translation>정전 복귀</translation>
    </message>
    <message>
        <source>BEEP</source>
        <translation>부저</translation>
    </message>
    <message>
        <source>SCREEN SAVER</source>
        <translation>화면 보호기</translation>
    </message>
    <message>
        <source>REC. WITH BUFFER</source>
        <translation>버퍼 기록</translation>
    </message>
    <message>
        <source>PASSWORD</source>
        <translation>비밀번호</translation>
    </message>
    <message>
        <source>BACKGROUND</source>
        <translation>배경</translation>
    </message>
    <message>
        <source>CHANNEL COLOR</source>
        <translation>채널 색상</translation>
    </message>
    <message>
        <source>These are the colours of the recorder&apos;s own screen. This program&apos;s monitors and graph viewer draw each colour number in a colour of their own, shown in the row PC and beside each channel.</source>
        <translation>기록계 자체 화면의 색상입니다. 이 프로그램의 모니터와 그래프 뷰어는 각 색상 번호를 자체 색상으로 그리며, 그 색상은 PC 행과 각 채널 옆에 보입니다.</translation>
    </message>
    <message>
        <source>The colour this program&apos;s monitors use</source>
        <translation>이 프로그램의 모니터가 쓰는 색상</translation>
    </message>
    <message>
        <source>CH.%1: colour %2 on the recorder</source>
        <translation>CH.%1: 기록계 색상 %2</translation>
    </message>
    <message>
        <source>RESERVE RUN</source>
        <translation>예약 운전</translation>
    </message>
    <message>
        <source>YEAR</source>
        <translation>년</translation>
    </message>
    <message>
        <source>MONTH</source>
        <translation>월</translation>
    </message>
    <message>
        <source>DAY</source>
        <translation>일</translation>
    </message>
    <message>
        <source>HOUR</source>
        <translation>시</translation>
    </message>
    <message>
        <source>MIN.</source>
        <translation>분</translation>
    </message>
    <message>
        <source>SEC.</source>
        <translation>초</translation>
    </message>
    <message>
        <source>RESERVE DATE</source>
        <translation>예약 일시</translation>
    </message>
    <message>
        <source>SYSTEM DATE</source>
        <translation>시스템 일시</translation>
    </message>
    <message>
        <source>The reserved start is set in the DATE/TIME window.</source>
        <translation>예약 시작은 날짜/시간 창에서 설정합니다.</translation>
    </message>
    <message>
        <source>PC TIME</source>
        <translation>PC 시각</translation>
    </message>
    <message>
        <source>Puts the PC&apos;s date and time into the system date boxes</source>
        <translation>PC의 날짜와 시간을 시스템 일시 칸에 넣습니다</translation>
    </message>
    <message>
        <source>SET</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>PC DATE/TIME</source>
        <translation>PC 날짜/시간</translation>
    </message>
    <message>
        <source>SERIAL RS232C SETTING</source>
        <translation>RS232C 통신 설정</translation>
    </message>
    <message>
        <source>SERIAL RS422/485 SETTING</source>
        <translation>RS422/485 통신 설정</translation>
    </message>
    <message>
        <source>MACHINE ADDRESS</source>
        <translation>국번</translation>
    </message>
    <message>
        <source>PROTOCOL</source>
        <translation>프로토콜</translation>
    </message>
    <message>
        <source>BAUD RATE</source>
        <translation>통신 속도</translation>
    </message>
    <message>
        <source>PARITY</source>
        <translation>패리티</translation>
    </message>
    <message>
        <source>DATA LENGTH</source>
        <translation>데이터 길이</translation>
    </message>
    <message>
        <source>STOP BIT</source>
        <translation>정지 비트</translation>
    </message>
    <message>
        <source>RESP.TIME (ms)</source>
        <translation>응답 시간 (ms)</translation>
    </message>
    <message>
        <source>LANGUAGE</source>
        <translation>언어</translation>
    </message>
    <message>
        <source>SAVE FILE NAME</source>
        <translation>저장 파일 이름</translation>
    </message>
    <message>
        <source>PARAMETERS LOAD/SAVE</source>
        <translation>파라미터 불러오기/저장</translation>
    </message>
    <message>
        <source>LOAD CFG. FILE</source>
        <translation>설정 파일 불러오기</translation>
    </message>
    <message>
        <source>SAVE CFG. FILE</source>
        <translation>설정 파일 저장</translation>
    </message>
    <message>
        <source>Disable Character.</source>
        <comment>the SD card file name</comment>
        <translation>허용되지 않는 문자입니다. 파일 이름에는 영문자, 숫자와 ( ) + - * / % , . [ ] $ 만 쓸 수 있습니다.</translation>
    </message>
    <message>
        <source>CH.%1 in this program&apos;s monitors</source>
        <translation>이 프로그램 모니터에서의 CH.%1</translation>
    </message>
</context>
<context>
    <name>frmTD_Parameter</name>
    <message>
        <source>Open</source>
        <translation>열기</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>다른 이름으로 저장</translation>
    </message>
    <message>
        <source>TD700 Config Files(*.CFG *.cfg)</source>
        <translation>TD700 설정 파일 (*.CFG *.cfg)</translation>
    </message>
    <message>
        <source>TD700 Config Text(*.txt)</source>
        <translation>TD700 설정 텍스트 (*.txt)</translation>
    </message>
    <message>
        <source>Parameter Setup</source>
        <translation>파라미터 설정</translation>
    </message>
    <message>
        <source>MATH. FUNCTION (M AREA)</source>
        <translation>연산 수식 (M 영역)</translation>
    </message>
    <message>
        <source>MATH. FUNCTION (CH MATH. TYPE)</source>
        <translation>연산 수식 (채널 연산)</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>새로 만들기(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>열기(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>저장(&amp;S)</translation>
    </message>
    <message>
        <source>Save &amp;As</source>
        <translation>다른 이름으로 저장(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Upload (TD700 =&gt; PC)</source>
        <translation>업로드(&amp;U) (TD700 =&gt; PC)</translation>
    </message>
    <message>
        <source>&amp;Download (PC =&gt; TD700)</source>
        <translation>다운로드(&amp;D) (PC =&gt; TD700)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>닫기(&amp;C)</translation>
    </message>
    <message>
        <source>File</source>
        <translation>파일</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>파일 이름</translation>
    </message>
    <message>
        <source>Upload/Download</source>
        <translation>업로드/다운로드</translation>
    </message>
    <message>
        <source>the port was closed</source>
        <translation>포트가 닫혔습니다</translation>
    </message>
    <message>
        <source>meter [%1] stopped answering</source>
        <translation>기록계 [%1]이(가) 응답하지 않습니다</translation>
    </message>
    <message>
        <source>%1 channels, firmware %2</source>
        <translation>%1채널, 펌웨어 %2</translation>
    </message>
    <message>
        <source>, from meter [%1]</source>
        <translation>, 기록계 [%1]에서 읽음</translation>
    </message>
    <message>
        <source>, from the file</source>
        <translation>, 파일에서 읽음</translation>
    </message>
    <message>
        <source>, new set</source>
        <translation>, 새 세트</translation>
    </message>
    <message>
        <source> - 1 value changed (marked)</source>
        <translation> - 값 1개 변경됨(표시됨)</translation>
    </message>
    <message>
        <source> - %1 values changed (marked)</source>
        <translation> - 값 %1개 변경됨(표시됨)</translation>
    </message>
    <message>
        <source>, not saved</source>
        <translation>, 저장 안 됨</translation>
    </message>
    <message>
        <source>Reading the settings of meter [%1] ... the tables are filled when the read completes.</source>
        <translation>기록계 [%1]의 설정을 읽는 중... 읽기가 끝나면 표가 채워집니다.</translation>
    </message>
    <message>
        <source>common settings</source>
        <translation>공통 설정</translation>
    </message>
    <message>
        <source>The settings of meter [%1] were not read completely (missing: %2). The tables do not show them.</source>
        <translation>기록계 [%1]의 설정을 모두 읽지 못했습니다(누락: %2). 표에는 표시하지 않습니다.</translation>
    </message>
    <message>
        <source> Upload them when the meter answers again.</source>
        <translation> 기록계가 다시 응답하면 업로드하십시오.</translation>
    </message>
    <message>
        <source> Upload to read them again.</source>
        <translation> 다시 읽으려면 업로드하십시오.</translation>
    </message>
    <message>
        <source>

Upload them again now?</source>
        <translation>

지금 다시 업로드하시겠습니까?</translation>
    </message>
    <message>
        <source>The parameter set has changes that are not saved.
%1 anyway and lose them?</source>
        <translation>파라미터 세트에 저장하지 않은 변경 내용이 있습니다.
변경 내용을 버리고 %1?</translation>
    </message>
    <message>
        <source>Start a new set</source>
        <translation>새 세트를 시작할까요</translation>
    </message>
    <message>
        <source>Open another file</source>
        <translation>다른 파일을 열까요</translation>
    </message>
    <message>
        <source>Not opened: %1 The tables are unchanged.</source>
        <translation>열지 못했습니다: %1 표는 바뀌지 않았습니다.</translation>
    </message>
    <message>
        <source>Not saved: %1 The file on disk is unchanged.</source>
        <translation>저장하지 못했습니다: %1 디스크의 파일은 바뀌지 않았습니다.</translation>
    </message>
    <message>
        <source>Saved %1 (%2 bytes).</source>
        <translation>%1을(를) 저장했습니다(%2바이트).</translation>
    </message>
    <message>
        <source>Upload from meter [%1]</source>
        <translation>기록계 [%1]에서 업로드할까요</translation>
    </message>
    <message>
        <source>The upload could not start: meter [%1] is not ready.</source>
        <translation>업로드를 시작할 수 없습니다: 기록계 [%1]이(가) 준비되지 않았습니다.</translation>
    </message>
    <message>
        <source>Parameter Uploading(TD700==&gt;PC) ...</source>
        <translation>파라미터 업로드 중 (TD700 =&gt; PC) ...</translation>
    </message>
    <message>
        <source>The download could not start: meter [%1] is not ready.</source>
        <translation>다운로드를 시작할 수 없습니다: 기록계 [%1]이(가) 준비되지 않았습니다.</translation>
    </message>
    <message>
        <source>Parameter Downloading(PC==&gt;TD700) ...</source>
        <translation>파라미터 다운로드 중 (PC =&gt; TD700) ...</translation>
    </message>
    <message>
        <source>the file %1</source>
        <translation>파일 %1</translation>
    </message>
    <message>
        <source>the set uploaded from meter [%1]</source>
        <translation>기록계 [%1]에서 업로드한 세트</translation>
    </message>
    <message>
        <source>the new set</source>
        <translation>새 세트</translation>
    </message>
    <message>
        <source>, with the changes made here</source>
        <translation>(여기서 바꾼 내용 포함)</translation>
    </message>
    <message>
        <source>Write %1 (%2 channels, firmware %3) to meter [%4] (%5 channels, firmware %6) on %7?

This replaces the meter&apos;s settings.</source>
        <translation>%1(%2채널, 펌웨어 %3)을(를) %7의 기록계 [%4](%5채널, 펌웨어 %6)에 쓰시겠습니까?

기록계의 설정이 바뀝니다.</translation>
    </message>
    <message>
        <source>

The set is not for this meter&apos;s model and firmware.</source>
        <translation>

이 세트는 이 기록계의 모델 및 펌웨어용이 아닙니다.</translation>
    </message>
    <message>
        <source>The upload did not complete: %1. The tables are unchanged.</source>
        <translation>업로드가 끝나지 않았습니다: %1. 표는 바뀌지 않았습니다.</translation>
    </message>
    <message>
        <source>The download did not complete: %1. The meter may hold part of the new settings; download again.</source>
        <translation>다운로드가 끝나지 않았습니다: %1. 기록계에 새 설정의 일부만 들어갔을 수 있으니 다시 다운로드하십시오.</translation>
    </message>
    <message>
        <source>The upload from meter [%1] is still running.
Stop it and close?</source>
        <translation>기록계 [%1]에서 업로드하는 중입니다.
중지하고 닫을까요?</translation>
    </message>
    <message>
        <source>The download to meter [%1] is still running; stopping it leaves the meter with part of the new settings.
Stop it and close?</source>
        <translation>기록계 [%1](으)로 다운로드하는 중입니다. 중지하면 기록계에 새 설정의 일부만 남습니다.
중지하고 닫을까요?</translation>
    </message>
    <message>
        <source>Close the window</source>
        <translation>창을 닫을까요</translation>
    </message>
</context>
</TS>
