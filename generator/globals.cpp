// The process-wide state of the Generate command, built in this order at start-up and
// destroyed in reverse order at exit.
#include "generator/generate.h"

apstring house;
apstring size;
apstring experience;
apstring weight;
std::istringstream tableFile;
apstring tableLine(" ");
apstring listLine;
apvector<Mech> roster;
bool withVehicles = false;
bool isClan = false;
std::streamoff houseStart = 0;
