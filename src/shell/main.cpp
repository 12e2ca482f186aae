#include "shell/board_size.h"
#include "shell/game_app.h"

int main(int argc, char** argv) {
    // Qt reads the scale once, when the application is made.
    BoardScale scale = ScaleForBoardSize();
    FitScaleToScreen(argc, argv, scale);
    GameApp app(argc, argv, scale);
    return app.Run();
}
