<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>CommandLine</name>
    <message>
        <source>Timing editor of the RX-5 MP3 player&apos;s .mtf files.</source>
        <translation>RX-5 MP3 播放机 .mtf 定时文件的编辑器。</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Write the schedule in FILE to standard output, one line per used timing, and exit. Needs no display.</source>
        <translation>将&lt;文件&gt;中的定时写到标准输出，每个已用的定时一行，然后退出。无需显示器。</translation>
    </message>
    <message>
        <source>Write the week the player runs from FILE to standard output, one line per event, and exit. Needs no display.</source>
        <translation>将播放机按&lt;文件&gt;运行的一周写到标准输出，每个事件一行，然后退出。无需显示器。</translation>
    </message>
    <message>
        <source>Check the week of FILE, one line per finding, and exit: 0 when there are only notes or nothing, 2 when there is a clash, an invalid timing or one that cannot play, or FILE holds what --print reports, 1 when FILE cannot be read.</source>
        <translation>检查&lt;文件&gt;的一周，每个发现一行，然后退出：只有提示或没有发现时为 0，有冲突、无效或不播放的定时，或&lt;文件&gt;含有 --print 所报告的问题时为 2，无法读取&lt;文件&gt;时为 1。</translation>
    </message>
    <message>
        <source>With --week or --check: the standard program N (1 to 4) instead of the one the player runs.</source>
        <translation>与 --week 或 --check 一起使用：显示标准程序 N（1 到 4），而不是播放机运行的程序。</translation>
    </message>
    <message>
        <source>The timing file to open.</source>
        <translation>要打开的定时文件。</translation>
    </message>
    <message>
        <source>[FILE]</source>
        <translation>[文件]</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>无法读取 %1：%2</translation>
    </message>
    <message>
        <source>cannot write the output: %1</source>
        <translation>无法写出输出：%1</translation>
    </message>
    <message>
        <source>--program takes a number from 1 to 4</source>
        <translation>--program 只接受 1 到 4 的数字</translation>
    </message>
    <message>
        <source>--print, --week and --check are used one at a time</source>
        <translation>--print、--week 和 --check 每次只能用一个</translation>
    </message>
    <message>
        <source>--print, --week and --check take no other file</source>
        <translation>--print、--week 和 --check 不接受其他文件</translation>
    </message>
    <message>
        <source>only one FILE can be opened</source>
        <translation>只能打开一个文件</translation>
    </message>
    <message>
        <source>--program goes with --week or --check</source>
        <translation>--program 须与 --week 或 --check 一起使用</translation>
    </message>
</context>
</TS>
