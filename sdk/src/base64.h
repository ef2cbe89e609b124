// Base64 (RFC 4648, standard alphabet, padded), used for the search answers' user and
// password and for HTTP Basic authorisation.
#pragma once

extern "C" {

// Encodes length bytes of data into out, followed by a NUL. out must hold
// 4 * ((length + 2) / 3) + 1 characters. Returns the characters written (without the NUL),
// or -1 for a null pointer or a negative length.
int Base64_Encode(char* out, const char* data, int length);

// Decodes length characters of text into out. out must hold 3 * ((length + 3) / 4) bytes.
// Decoding stops at the first '=' or NUL; characters outside the alphabet are refused.
// Returns the bytes written, or -1 for bad input.
int Base64_Decode(char* out, const char* text, int length);
}
