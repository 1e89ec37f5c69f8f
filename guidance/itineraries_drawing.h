// Draws the itineraries diagram from its tables: the boxes on the grid, the pathways' lines in
// the drawing space and the texts in their three styles.
#pragma once

class QPainter;

namespace velmora {

struct DiagramStep;

void DrawDiagramStep(QPainter& painter, const DiagramStep& step);
// Steps 0..lastStep (nothing for -1).
void DrawDiagram(QPainter& painter, int lastStep);

}  // namespace velmora
