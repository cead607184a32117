// Counts calls of the global operator new in a program that links
// allocation_count.cpp, which replaces it.
#pragma once

long allocation_count();
