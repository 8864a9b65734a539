<?php
// Shared by the pages of the sample exam site: the question bank, the store of what the host sent
// (reports and the requests themselves, in SQLite) and the page frame.
declare(strict_types=1);

// One question per operation type. `file` lies below operation/<rid>/<type>/ of the web root; its name
// before the first "." names the criteria file score/<type>/<stem>.ini.
const BANK = [
    'word' => ['rid' => '101', 'file' => '1001.doc', 'bid' => '1',
               'title' => 'Word 操作题：按要求设置文档的表格、段落和字符格式'],
    'excel' => ['rid' => '102', 'file' => '2001.xls', 'bid' => '2',
                'title' => 'Excel 操作题：按要求完成工作表的标题、数据、边框和图表'],
    'windows' => ['rid' => '103', 'file' => '3001', 'bid' => '3',
                  'title' => 'Windows 操作题：按要求新建、移动、删除文件和创建快捷方式'],
];

// The fields of a score report, in the order the host sends them.
const REPORT_FIELDS = ['bid', 'msg', 'rid', 'rs', 'score', 'type'];

function store(): SQLite3
{
    static $db = null;
    if ($db === null) {
        $folder = __DIR__ . '/../data';
        if (!is_dir($folder)) {
            mkdir($folder, 0700, true);
        }
        $db = new SQLite3($folder . '/exam.sqlite');
        $db->busyTimeout(5000);
        // Every page writes its request line: without a write-ahead log and its lighter syncing each
        // request would wait for the disk.
        $db->exec('PRAGMA journal_mode=WAL');
        $db->exec('PRAGMA synchronous=NORMAL');
        // Report fields are stored as the bytes received (the host sends GBK text).
        $db->exec('CREATE TABLE IF NOT EXISTS reports (id INTEGER PRIMARY KEY, bid BLOB, msg BLOB, rid BLOB,'
                  . ' rs BLOB, score BLOB, type BLOB)');
        $db->exec('CREATE TABLE IF NOT EXISTS requests (id INTEGER PRIMARY KEY, line BLOB)');
    }
    return $db;
}

// Every page records its request line ("GET /question/exam/type/word"), so tests can see what the host
// asked for and in which order.
function record_request(): void
{
    $statement = store()->prepare('INSERT INTO requests (line) VALUES (:line)');
    $statement->bindValue(':line', $_SERVER['REQUEST_METHOD'] . ' ' . $_SERVER['REQUEST_URI'], SQLITE3_BLOB);
    $statement->execute();
}

function h(string $text): string
{
    return htmlspecialchars($text, ENT_QUOTES | ENT_SUBSTITUTE, 'UTF-8');
}

function page(string $title, string $body): void
{
    header('Content-Type: text/html; charset=utf-8');
    echo "<!DOCTYPE html>\n<html lang=\"zh-CN\">\n<head>\n<meta charset=\"utf-8\">\n<title>", h($title),
         "</title>\n<style>body{font-family:sans-serif;margin:24px;}li{margin:8px 0;}"
         . "table{border-collapse:collapse;}td,th{border:1px solid #999;padding:4px 8px;}</style>\n</head>\n"
         . "<body>\n<h1>", h($title), "</h1>\n", $body, "</body>\n</html>\n";
}

function plain(int $status, string $text): void
{
    http_response_code($status);
    header('Content-Type: text/plain; charset=utf-8');
    echo $text;
}
