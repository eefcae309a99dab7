# Sourced by example setups: make_project KIND makes a command project
# Roads\Buffer in $WORK/Roads by a wizard run, as a person would, registers
# its class as compiling the project would (registry.reg), and keeps a copy
# of what it wrote in before/. KIND is "modal" (no form, no bitmaps) or
# "listener" (modeless with a form, custom bitmaps, every listener choice
# and every enabling condition).
make_project() {
  local kind=$1
  mkdir -p art
  cp "$EXAMPLES"/bitmaps/*.bmp art/
  {
    echo "click optCreateProject"
    echo "click cmdIntroNext"
    echo "type txtProjName Roads"
    echo "choose dirProjLoc $WINWORK"
    echo "type txtNewSubDirName Roads"
    echo "click cmdProjNext"
    echo "type txtCmdName Buffer"
    echo "type txtCmdDescription Buffers the selected features"
    echo "type txtCmdToolTip Buffer the selection"
    echo "click cmdCmdNameNext"
    if [ "$kind" = listener ]; then
      echo "click optCustomBMP"
      echo "click cmdAddBMPNext"
      for code in LC LM SC SM; do echo "type txt${code}CustomBMPName art\\Compass$code.bmp"; done
      echo "click cmdCustomBMPNext"
      echo "click optComClassModeless"
      echo "click cmdComClassNext"
      echo "click cmdFrmNameNext"
      echo "click cmdModelessNext"
      echo "click cmdListenerNext"
      echo "click optDefineSubView"
      echo "click cmdCommandTypeNext"
      cat <<'BOXES'
click chkDataviewActive
click chkDataViewUpdateable
click chkDataViewHasRows
click chkDataViewHasColumns
click chkDataviewOneColumnSelected
click chkDataviewColumnsSelected
click chkDataviewOneRowSelected
click chkDataViewRowsSelected
click chkDataViewOneCellSelected
click chkDataViewCellsSelected
click chkDataViewColumnTypeIsNumber
click chkDataViewColumnTypeIsHypertext
click chkDataViewRowBeingEdited
click chkPlotspaceIsOpen
click chkOneOrMoreQueriesExist
click chkOneorMoreConnectionsExist
click chkReadableConnectionsExist
click chkWritableConnectionsExist
click chkMapViewIsActive
click chkDataViewOrMapViewIsActive
click chkSelectSetCountIsOne
click chkSelectSetCountIsOneOrMore
click chkSelectSetHasGeometryFeature
click chkSelectSetHasRaster
click chkSelectSetHasNonRaster
click chkSelectSetDeleteEnabled
click chkSelectSetHasRecords
click chkTwoOrMoreConnectionsExist
click chkLegendIsVisible
BOXES
    else
      echo "click optNoBMP"
      echo "click cmdAddBMPNext"
      echo "click optComClassModal"
      echo "click cmdComClassNext"
      echo "click chkNoForm"
      echo "click cmdFrmNameNext"
      echo "click chkDataviewActive"
    fi
    echo "click cmdEnablingConditionsNext"
    echo "answer No"
    echo "click cmdFinishFinish"
  } > create.script
  "$VERBSMITH" run create.script > create.transcript
  local dll
  dll=$(printf '%s\\Roads\\bin\\Buffer.dll' "$WINWORK" | sed 's/\\/\\\\/g')
  cat > registry.reg <<REG
REGEDIT4

[HKEY_CLASSES_ROOT\Roads.Buffer\Clsid]
@="{0B5E2A10-3C4D-4E5F-8A9B-1C2D3E4F5A60}"

[HKEY_CLASSES_ROOT\CLSID\{0B5E2A10-3C4D-4E5F-8A9B-1C2D3E4F5A60}]
@="Buffers the selected features\\\\nBuffer the selection"

[HKEY_CLASSES_ROOT\CLSID\{0B5E2A10-3C4D-4E5F-8A9B-1C2D3E4F5A60}\InprocServer32]
@="$dll"
REG
  "$VERBSMITH" commands show Roads.Buffer --company Valdren --application Carthex --json > entry.json
  mkdir -p before
  cp -r Roads entry.json before/
}
