<?php
// A test-only update server that misbehaves on purpose; the update tests copy it into the sample site's
// web root.
//   misbehave.php                          the update check: answers with the status on the first line of
//                                          misbehave-reply.txt and the rest of that file as the body
//   misbehave.php?package=<name>&mode=...  packages/<name>:
//     ignore-range   the whole package with status 200, whatever Range asked for
//     cut            announces the whole package but sends only its first half
//     fail           status 500 with an error page
declare(strict_types=1);

if (!isset($_GET['package'])) {
    [$status, $body] = explode("\n", file_get_contents(__DIR__ . '/misbehave-reply.txt'), 2);
    http_response_code((int)$status);
    header('Content-Type: text/plain');
    echo $body;
    exit;
}

$bytes = file_get_contents(__DIR__ . '/packages/' . basename((string)$_GET['package']));
switch ($_GET['mode'] ?? '') {
    case 'ignore-range':
        header('Content-Type: application/zip');
        header('Content-Length: ' . strlen($bytes));
        echo $bytes;
        break;
    case 'cut':
        header('Content-Type: application/zip');
        header('Content-Length: ' . strlen($bytes));
        echo substr($bytes, 0, intdiv(strlen($bytes), 2));
        flush();
        break;
    default:
        http_response_code(500);
        header('Content-Type: text/html');
        echo "<html><body>Internal Server Error</body></html>\n";
}
