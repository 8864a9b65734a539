<?php
// Front page script: every path that is not a file comes here.
//   /exam/height/<h>                 start page (the host opens /<[server] index>/height/700)
//   /handin/<exam>/                  hand-in page ([server] check_url); the host has scored and
//                                    reported before the browser loads it
//   /question/<exam>/type/<type>     question record "rid|file name|bid" ([server] interface_type)
declare(strict_types=1);
require __DIR__ . '/../../lib/site.php';

record_request();
$path = parse_url($_SERVER['REQUEST_URI'], PHP_URL_PATH) ?: '/';
$parts = array_values(array_filter(explode('/', $path), 'strlen'));

switch ($parts[0] ?? '') {
    case 'exam':
        start_page();
        break;
    case 'handin':
        handin_page();
        break;
    case 'question':
        question_record($parts);
        break;
    default:
        plain(404, "not found\n");
}

function start_page(): void
{
    $items = '';
    foreach (BANK as $type => $question) {
        $command = "javascript:void('fn={$question['rid']}|{$type}|{$question['file']}');";
        $items .= '<li>' . h($question['title']) . ' <a id="open-' . $type . '" href="' . h($command)
                . '">打开操作文件</a></li>' . "\n";
    }
    page('中级会计职称无纸化考试 模拟练习',
         "<p>请完成下列操作题，完成后点击“交卷”。</p>\n<ol>\n{$items}</ol>\n"
         . "<p><a id=\"handin\" href=\"/handin/exam/\">交卷</a></p>\n");
}

function handin_page(): void
{
    $rows = '';
    $result = store()->query('SELECT type, rid, score, rs, msg FROM reports WHERE id IN'
                             . ' (SELECT MAX(id) FROM reports GROUP BY type) ORDER BY id');
    while ($report = $result->fetchArray(SQLITE3_ASSOC)) {
        // Feedback arrives in GBK with "<br>" after each item: shown as text, one item per line.
        $feedback = h((string)iconv('GBK', 'UTF-8//IGNORE', (string)$report['msg']));
        $feedback = str_replace('&lt;br&gt;', '<br>', $feedback);
        $verdict = $report['rs'] === '1' ? '满分' : '未得满分';
        $rows .= '<tr><td>' . h((string)$report['type']) . '</td><td>' . h((string)$report['rid']) . '</td><td>'
               . h((string)$report['score']) . '</td><td>' . $verdict . '</td><td>' . $feedback . "</td></tr>\n";
    }
    $table = $rows === '' ? "<p>尚未收到评分结果。</p>\n"
           : "<table>\n<tr><th>题型</th><th>试题</th><th>得分</th><th>结果</th><th>评语</th></tr>\n{$rows}</table>\n";
    page('交卷结果', $table . "<p><a href=\"/exam/height/700\">返回</a></p>\n");
}

function question_record(array $parts): void
{
    $type = ($parts[2] ?? '') === 'type' ? ($parts[3] ?? '') : '';
    if (!isset(BANK[$type])) {
        plain(404, "no such question type\n");
        return;
    }
    $question = BANK[$type];
    plain(200, "{$question['rid']}|{$question['file']}|{$question['bid']}");
}
