#include "shell/board_size.h"
#include "shell/game_app.h"

int main(int argc, char** argv) {
    // Qt reads the scale once, when the application is made.
    ScaleForBoardSize();
    FitScaleToScreen(argc, argv);
    GameApp app(argc, argv);
    return app.Run();
}
