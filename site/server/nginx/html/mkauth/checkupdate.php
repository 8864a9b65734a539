<?php
// The sample site's update check. The host asks
//   /mkauth/checkupdate.php?os=<system name>&ver=<installed version>&prov=<province>
// and reads the first line of the answer, "<version>|<package address>". Offered is the newest package
// packages/<version>.zip of this web root; without any, the installed version is answered back, which
// tells the host there is nothing to install.
declare(strict_types=1);
require __DIR__ . '/../../../lib/site.php';

record_request();
$installed = (string)($_GET['ver'] ?? '');
$newest = null;
foreach (glob(__DIR__ . '/../packages/*.zip') ?: [] as $package) {
    $version = basename($package, '.zip');
    if ($newest === null || version_compare($version, $newest, '>')) {
        $newest = $version;
    }
}
if ($newest === null) {
    plain(200, $installed . "\r\n");
} else {
    $server = 'http://' . $_SERVER['HTTP_HOST'] . ':' . $_SERVER['SERVER_PORT'];
    plain(200, $newest . '|' . $server . '/packages/' . rawurlencode($newest) . ".zip\r\n");
}
