var log = 'ZUS;';
