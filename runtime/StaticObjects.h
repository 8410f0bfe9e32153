// The start-up and shut-down of static objects, which a C runtime would do:
// the constructors the compiler lists in .ctors run before the library or
// program starts, and the destructors registered through atexit (every
// static object with a destructor, and function-local ones on first use)
// run in reverse order when it ends. Used by the two entry points here.
#pragma once

// Runs the constructors once; later calls do nothing.
void ConstructStaticObjects();
// Runs every registered destructor, last registered first, once after each
// construction.
void DestroyStaticObjects();
