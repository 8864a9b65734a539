<?php
// Called by the host when the candidate closes the exam window.
declare(strict_types=1);
require __DIR__ . '/../../lib/site.php';

record_request();
page('已退出', "<p>您已退出模拟考试。</p>\n");
