<?php
// Score report of one question ([server] interface_score): stores the six fields as received.
declare(strict_types=1);
require __DIR__ . '/../../lib/site.php';

record_request();
if ($_SERVER['REQUEST_METHOD'] !== 'POST') {
    plain(405, "post a report\n");
    return;
}
$statement = store()->prepare('INSERT INTO reports (bid, msg, rid, rs, score, type)'
                              . ' VALUES (:bid, :msg, :rid, :rs, :score, :type)');
foreach (REPORT_FIELDS as $field) {
    $value = $_POST[$field] ?? '';
    $statement->bindValue(':' . $field, is_string($value) ? $value : '', SQLITE3_BLOB);
}
$statement->execute();
plain(200, "ok\n");
