#include "shell/game_app.h"

int main(int argc, char** argv) {
    GameApp app(argc, argv);
    return app.Run();
}
