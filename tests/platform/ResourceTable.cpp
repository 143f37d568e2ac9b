// The test resources' handle is generated beside this file; it only gives the archive a source.
