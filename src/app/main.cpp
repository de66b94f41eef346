#include "app/KvApplication.h"

int main(int argc, char** argv) {
    kv::KvApplication app(argc, argv);
    return kv::RunProgram(app);
}
