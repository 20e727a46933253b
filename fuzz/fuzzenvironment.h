#pragma once

// A Qt application object and a home folder of the fuzzer's own, so that
// what the code under test writes (caches, registry values, the simulated
// mouse's settings) stays out of the user's folders.
void prepareFuzzEnvironment(int *argc, char ***argv);
