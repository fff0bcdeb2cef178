#pragma once
// The part of a path after its last '\' or '/'. With no separator, or when the only
// one is the first character, the whole path. Points into the given text; copies nothing.
const char* FailoVardas(const char* kelias);
