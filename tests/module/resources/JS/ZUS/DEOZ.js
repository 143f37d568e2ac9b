log += 'ZUS/DEOZ;';
