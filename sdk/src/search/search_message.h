// The text of search messages: head lines "Key:Value\r\n", an empty line, then a body of
// BodySize bytes.
#pragma once

// Appends key, value and lineEnd to the NUL-terminated text in buffer (capacity bytes).
// Each piece is appended only while the text stays shorter than capacity; a piece that does
// not fit is left out. A null key and value append only lineEnd (the empty line after the
// head); a null key with a value appends the value (a body) and lineEnd. Returns 0, or -1
// for a null buffer.
int CORE_SEARCH_SetKeyVaule(char* buffer, int capacity, const char* key, const char* value,
                            const char* lineEnd);

// Finds the first occurrence of key in text and copies what follows it, up to the next
// lineEnd, into out (cut to outSize - 1 characters, always NUL-terminated). Returns 0, or -1
// when the key or the line end is missing.
int CORE_SEARCH_GetKeyVaule(const char* text, const char* key, const char* lineEnd, char* out,
                            int outSize);

// Finds the first emptyLine in text and copies the bodySize bytes that follow it into out,
// NUL-terminated; *outSize holds out's capacity on entry and the bytes copied on return.
// Returns -1 when there is no empty line, bodySize is negative, fewer than bodySize bytes
// follow, or bodySize does not fit out with its NUL.
int CORE_SEARCH_GetBoyVaule(const char* text, const char* emptyLine, int bodySize, char* out,
                            int* outSize);

// The value of a "BodySize:" line as a number: decimal digits only, at most 9 of them.
// Returns -1 for anything else (empty, a sign, letters).
int CORE_SEARCH_ParseBodySize(const char* value);
