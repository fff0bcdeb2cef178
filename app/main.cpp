#include "app/Programa.h"

int main() { return Zaisti(); }
