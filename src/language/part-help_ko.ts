<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR" sourcelanguage="en_US">
<context>
    <name>HelpWindow</name>
    <message>
        <source>Words to find</source>
        <translation>찾을 단어</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>목차</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>검색</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>탐색</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>뒤로</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>앞으로</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>인쇄...</translation>
    </message>
    <message>
        <source>TD700 Help - %1</source>
        <translation>TD700 도움말 - %1</translation>
    </message>
    <message>
        <source>TD700 Help</source>
        <translation>TD700 도움말</translation>
    </message>
    <message>
        <source>No page holds all of these words.</source>
        <translation>이 단어들이 모두 들어 있는 페이지가 없습니다.</translation>
    </message>
    <message>
        <source>1 page</source>
        <translation>1개 페이지</translation>
    </message>
    <message>
        <source>%1 pages</source>
        <translation>%1개 페이지</translation>
    </message>
    <message>
        <source>Print this page</source>
        <translation>이 페이지 인쇄</translation>
    </message>
</context>
<context>
    <name>ManualWindow</name>
    <message>
        <source>TD700 Manual</source>
        <translation>TD700 사용 설명서</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>사용 설명서</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>목차</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>인쇄...</translation>
    </message>
    <message>
        <source>Save as PDF...</source>
        <translation>PDF로 저장...</translation>
    </message>
    <message>
        <source>Print the manual</source>
        <translation>사용 설명서 인쇄</translation>
    </message>
    <message>
        <source>Save the manual as PDF</source>
        <translation>사용 설명서를 PDF로 저장</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF 파일 (*.pdf)</translation>
    </message>
</context>
</TS>
