#include "Startup.h"

int main(int argc, char *argv[])
{
    return runSports(argc, argv);
}
