// The host tool's printf: formatted text to standard output or standard
// error, written at once with WriteFile, so nothing waits in a buffer; as
// with the C library's streams in text mode, every LF goes out as CR LF. It
// knows the conversions the tool uses: %s, %d, %u, %lu, %X with an optional
// zero-padded width (%02X), and %%.
#pragma once

void Print(const char* format, ...);
void PrintError(const char* format, ...);
