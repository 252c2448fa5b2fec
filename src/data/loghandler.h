#pragma once

// Unless ZIMBREL_VERBOSE is set (non-empty), drops debug and info messages and writes warnings as
// "WARN: <message>" and critical and fatal messages bare, to standard error.
void installLogHandler();
