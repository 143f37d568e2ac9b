// The handle of the module tests' own resources (form definitions, field sets and scripts) is generated
// beside this file; it only gives the archive a source.
