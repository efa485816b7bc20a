#pragma once
// The configuration dialog of each instrument model with a channel grid. Each
// function runs the model's dialog modally on the controller's remembered
// path of that model; when the user leaves with the leave button, the path of
// the file the dialog last opened or saved (when there is one) becomes the
// remembered path. The result: 1 leave button, 2 Cancel.

class CConfigCTD;

int Disp62VantrelConDlg(CConfigCTD* config);
int Disp62VantrelPlusConDlg(CConfigCTD* config);
int Disp62V2VantrelConDlg(CConfigCTD* config);
int Disp64VantrelConDlg(CConfigCTD* config);
int Disp64VantrelPlusConDlg(CConfigCTD* config);
int Disp64V2VantrelConDlg(CConfigCTD* config);
int Disp71ThermosalConDlg(CConfigCTD* config);
int Disp71V2ThermosalConDlg(CConfigCTD* config);
int Disp56CorvaneConDlg(CConfigCTD* config);
int Disp47ThermosalConDlg(CConfigCTD* config);
int Disp94DartelConDlg(CConfigCTD* config);
int Disp812PlusConDlg(CConfigCTD* config);
int DispPayloadConDlg(CConfigCTD* config);
int DispNimbrelConDlg(CConfigCTD* config);
